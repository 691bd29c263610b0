#include "ui/net/nettexts.h"

#include "ui/platform/ansi.h"

#include <QCoreApplication>

namespace quorvex {

QString NoticeText(const QString& text) { return QStringLiteral("[\u00BB ") + text + QStringLiteral(" \u00AB]"); }

QString GameNoteText(const GameNote& n) {
    const QString name = qx::ShownText(n.name);
    const QString line = qx::ShownText(n.line);
    switch (n.kind) {
        case GameNoteKind::Connected:
            //: The connection with the player %1 is up.
            return NoticeText(QCoreApplication::translate("quorvex::TNetWindow", "conn. w/ \"%1\"").arg(name));
        case GameNoteKind::AllSent:
            //: "[game]" marks the game's own notes in the log.
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] All positions send!");
        case GameNoteKind::AllReceived:
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] All positions received!");
        case GameNoteKind::ClientRestart:
            //: The host started the next game.
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] new game started");
        case GameNoteKind::HostRestart:
            //: This player, the host, started the next game.
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] new game started!");
        case GameNoteKind::InvalidPosition:
            //: %1 is the line the other player sent.
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] Invalid position ignored: %1").arg(line);
        case GameNoteKind::ExtraVictim:
            //: %1 is the line the other player sent.
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] Extra Victim ignored: %1").arg(line);
        case GameNoteKind::ExtraDragon:
            //: %1 is the line the other player sent.
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] Extra Dragon ignored: %1").arg(line);
        case GameNoteKind::LineTooLong:
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] Over-long line ignored.");
        case GameNoteKind::PeerWon:
            //: %1, the other player, bombed this player's battlefield.
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] %1 won!").arg(name);
        case GameNoteKind::PeerLost:
            //: %1, the other player, bombed this player's battlefield.
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] %1 lost!").arg(name);
        case GameNoteKind::PeerDraw:
            //: %1, the other player, bombed this player's battlefield.
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] %1 bombed a draw!").arg(name);
        case GameNoteKind::Resumed:
            //: The same two players met again after a lost line and go on with their game.
            return QCoreApplication::translate("quorvex::TNetWindow", "[game] Game resumed.");
        case GameNoteKind::OwnChat:
            // Not translated: it looks like the peer's chat lines, which come as they were sent.
            return QStringLiteral("<%1> %2").arg(name, line);
    }
    return {};
}

QString GameStatusText(GameStatus status) {
    switch (status) {
        case GameStatus::Sending: return QCoreApplication::translate("quorvex::TNetWindow", "sending positions...");
        case GameStatus::Receiving: return QCoreApplication::translate("quorvex::TNetWindow", "receiving positions...");
        case GameStatus::BombNow: return QCoreApplication::translate("quorvex::TNetWindow", "please bomb now");
        case GameStatus::Awaiting: return QCoreApplication::translate("quorvex::TNetWindow", "awaiting positions...");
        case GameStatus::SetUp:
            return QCoreApplication::translate("quorvex::TNetWindow", "please set up your battlefield");
    }
    return {};
}

QString BombResultText(BombResult result) {
    switch (result) {
        case BombResult::Won: return QCoreApplication::translate("quorvex::TNetWindow", "[ You won ]");
        case BombResult::Lost: return QCoreApplication::translate("quorvex::TNetWindow", "[ You lost ]");
        case BombResult::Draw: return QCoreApplication::translate("quorvex::TNetWindow", "[ Draw ]");
    }
    return {};
}

QString BombedVictimsText(int hits) {
    //: %1 is the number of the opponent's Victims this bombing hit.
    return QCoreApplication::translate("quorvex::TNetWindow", "Bombed Victims: %1").arg(hits);
}

QString BombedDragonsText(int hits) {
    //: %1 is the number of the opponent's Dragons this bombing hit.
    return QCoreApplication::translate("quorvex::TNetWindow", "Bombed Dragons: %1").arg(hits);
}

namespace {
// One count of figures inside a sentence; one has its own text, as English needs.
QString VictimsCount(int n) {
    //: A count inside a sentence ("1 Victim and 2 Dragons hit").
    if (n == 1) return QCoreApplication::translate("quorvex::TNetWindow", "1 Victim");
    //: A count inside a sentence ("3 Victims and 2 Dragons hit"); %n is never 1.
    return QCoreApplication::translate("quorvex::TNetWindow", "%n Victims", nullptr, n);
}
QString DragonsCount(int n) {
    //: A count inside a sentence ("2 Victims and 1 Dragon hit").
    if (n == 1) return QCoreApplication::translate("quorvex::TNetWindow", "1 Dragon");
    //: A count inside a sentence ("3 Victims and 2 Dragons hit"); %n is never 1.
    return QCoreApplication::translate("quorvex::TNetWindow", "%n Dragons", nullptr, n);
}
}  // namespace

QString OwnBombNews(BombResult result, int victimHits, int dragonHits) {
    const QString v = VictimsCount(victimHits), d = DragonsCount(dragonHits);
    switch (result) {
        case BombResult::Won:
            //: Spoken after this player's bombing; %1 the Victims hit ("3 Victims"), %2 the Dragons hit.
            return QCoreApplication::translate("quorvex::TNetWindow", "Bomb result: You won, %1 and %2 hit").arg(v, d);
        case BombResult::Lost:
            //: Spoken after this player's bombing; %1 the Victims hit ("3 Victims"), %2 the Dragons hit.
            return QCoreApplication::translate("quorvex::TNetWindow", "Bomb result: You lost, %1 and %2 hit").arg(v, d);
        case BombResult::Draw:
            //: Spoken after this player's bombing; %1 the Victims hit ("3 Victims"), %2 the Dragons hit.
            return QCoreApplication::translate("quorvex::TNetWindow", "Bomb result: Draw, %1 and %2 hit").arg(v, d);
    }
    return {};
}

QString PeerBombNews(const GameNote& n) {
    const QString name = qx::ShownText(n.name);
    switch (n.kind) {
        //: Spoken when the other player %1 has bombed this player's battlefield.
        case GameNoteKind::PeerWon: return QCoreApplication::translate("quorvex::TNetWindow", "%1 bombed your battlefield and won.").arg(name);
        //: Spoken when the other player %1 has bombed this player's battlefield.
        case GameNoteKind::PeerLost: return QCoreApplication::translate("quorvex::TNetWindow", "%1 bombed your battlefield and lost.").arg(name);
        //: Spoken when the other player %1 has bombed this player's battlefield.
        case GameNoteKind::PeerDraw: return QCoreApplication::translate("quorvex::TNetWindow", "%1 bombed your battlefield to a draw.").arg(name);
        default: return {};
    }
}

QString FiguresLeftNews(int victimsLeft, int dragonsLeft) {
    //: Spoken once all five Victims and five Dragons stand on the own battlefield.
    if (victimsLeft == 0 && dragonsLeft == 0) return QCoreApplication::translate("quorvex::TNetWindow", "All figures placed, ready to send");
    //: Spoken after a figure is placed; %1 the Victims still to place ("4 Victims"), %2 the Dragons.
    return QCoreApplication::translate("quorvex::TNetWindow", "%1 and %2 left to place").arg(VictimsCount(victimsLeft), DragonsCount(dragonsLeft));
}

}  // namespace quorvex
