#include "ui/game/gametexts.h"

#include "ui/platform/ansi.h"

#include <QCoreApplication>

namespace quorvex {

QString KillText(int victimHits) {
    switch (victimHits) {
        case 2: return QCoreApplication::translate("quorvex::THaupt", "Double kill");
        case 3: return QCoreApplication::translate("quorvex::THaupt", "Triple kill!");
        case 4: return QCoreApplication::translate("quorvex::THaupt", "Master kill!");
        //: Five Victims hit with the five bombs of one turn.
        case 5: return QCoreApplication::translate("quorvex::THaupt", "Ultra sadistic kill!");
        default: return QString();
    }
}

QString GameTypeText(GameMode mode, GameTypeWording wording) {
    const bool loaded = wording == GameTypeWording::Loaded;
    switch (mode) {
        case 1: return QCoreApplication::translate("quorvex::THaupt", "Endless game");
        case 2:
        case 3: {
            const int victims = mode == 3 ? 200 : 100;
            //: A game won once 100 (or 200) Victims are bombed; %n is 100 or 200.
            return loaded ? QCoreApplication::translate("quorvex::THaupt", "%n killed Victims", nullptr, victims)
                          : QCoreApplication::translate("quorvex::THaupt", "%n dead Victims", nullptr, victims);
        }
        default:
            if (loaded) return QString();
            //: The game-type label before any game is started.
            return QCoreApplication::translate("quorvex::THaupt", "game type");
    }
}

QString WinText(GameMode mode, std::int64_t money) {
    const int victims = mode == 3 ? 200 : 100;
    //: %n is 100 or 200, %1 the money held at the end (may be negative).
    const QString text = QCoreApplication::translate(
        "quorvex::THaupt", "Congratulation! You won! Your Money after killing %n Victims is $%1!", nullptr, victims);
    return text.arg(money);
}

QString BombedText(int hits, int misses, std::int64_t turnTotal) {
    //: The status bar after a turn: %n cells hit of five, %1 missed (5 - %n),
    //: %2 the turn's gain or loss ("+$222", "-$100").
    return QCoreApplication::translate("quorvex::THaupt", "Victims Bombed! %n hits, %1 miss -- %2", nullptr, hits)
        .arg(misses)
        .arg(qx::FromAnsi(SignedAmount(turnTotal)));
}

QString MarkingText(const MarkingState& marking) {
    switch (marking.kind) {
        case MarkingKind::Ready: return QCoreApplication::translate("Marking", "Ready to bomb!!!");
        case MarkingKind::TooMany: return QCoreApplication::translate("Marking", "Only 5 fields max!");
        case MarkingKind::FieldsLeft: break;
    }
    //: The cells still to mark before the five bombs can be dropped.
    return QCoreApplication::translate("Marking", "%n fields left", nullptr, marking.fieldsLeft);
}

QString MarksLeftText(int markCount, const MarkingState& marking) {
    constexpr int kMarksPerTurn = 5;
    const int left = kMarksPerTurn - markCount;
    if (left < 0) return MarkingText(marking);
    if (left == 0) return QCoreApplication::translate("quorvex::THaupt", "No marks left, ready to bomb");
    //: Spoken after a mark: one mark still to make.
    if (left == 1) return QCoreApplication::translate("quorvex::THaupt", "1 mark left");
    //: Spoken after a mark; %n is 2 to 5 (one mark left has its own text).
    return QCoreApplication::translate("quorvex::THaupt", "%n marks left", nullptr, left);
}

}  // namespace quorvex
