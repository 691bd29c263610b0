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

}  // namespace quorvex
