#include "ui/net/nettexts.h"

#include "ui/net/netwindow.h"
#include "ui/platform/ansi.h"

namespace quorvex {

QString NoticeText(const QString& text) { return QStringLiteral("[\u00BB ") + text + QStringLiteral(" \u00AB]"); }

QString GameNoteText(const GameNote& n) {
    const QString name = qx::ShownText(n.name);
    const QString line = qx::ShownText(n.line);
    switch (n.kind) {
        case GameNoteKind::Connected:
            //: The connection with the player %1 is up.
            return NoticeText(TNetWindow::tr("conn. w/ \"%1\"").arg(name));
        //: "[game]" marks the game's own notes in the log.
        case GameNoteKind::AllSent: return TNetWindow::tr("[game] All positions send!");
        case GameNoteKind::AllReceived: return TNetWindow::tr("[game] All positions received!");
        //: The host started the next game.
        case GameNoteKind::ClientRestart: return TNetWindow::tr("[game] new game started");
        //: This player, the host, started the next game.
        case GameNoteKind::HostRestart: return TNetWindow::tr("[game] new game started!");
        //: %1 is the line the other player sent.
        case GameNoteKind::InvalidPosition: return TNetWindow::tr("[game] Invalid position ignored: %1").arg(line);
        //: %1 is the line the other player sent.
        case GameNoteKind::ExtraVictim: return TNetWindow::tr("[game] Extra Victim ignored: %1").arg(line);
        //: %1 is the line the other player sent.
        case GameNoteKind::ExtraDragon: return TNetWindow::tr("[game] Extra Dragon ignored: %1").arg(line);
        case GameNoteKind::LineTooLong: return TNetWindow::tr("[game] Over-long line ignored.");
        //: %1, the other player, bombed this player's battlefield.
        case GameNoteKind::PeerWon: return TNetWindow::tr("[game] %1 won!").arg(name);
        //: %1, the other player, bombed this player's battlefield.
        case GameNoteKind::PeerLost: return TNetWindow::tr("[game] %1 lost!").arg(name);
        //: %1, the other player, bombed this player's battlefield.
        case GameNoteKind::PeerDraw: return TNetWindow::tr("[game] %1 bombed a draw!").arg(name);
        // Not translated: it looks like the peer's chat lines, which come as they were sent.
        case GameNoteKind::OwnChat: return QStringLiteral("<%1> %2").arg(name, line);
    }
    return {};
}

QString GameStatusText(GameStatus status) {
    switch (status) {
        case GameStatus::Sending: return TNetWindow::tr("sending positions...");
        case GameStatus::Receiving: return TNetWindow::tr("receiving positions...");
        case GameStatus::BombNow: return TNetWindow::tr("please bomb now");
        case GameStatus::Awaiting: return TNetWindow::tr("awaiting positions...");
        case GameStatus::SetUp: return TNetWindow::tr("please set up your battlefield");
    }
    return {};
}

QString BombResultText(BombResult result) {
    switch (result) {
        case BombResult::Won: return TNetWindow::tr("[ You won ]");
        case BombResult::Lost: return TNetWindow::tr("[ You lost ]");
        case BombResult::Draw: return TNetWindow::tr("[ Draw ]");
    }
    return {};
}

//: %1 is the number of the opponent's Victims this bombing hit.
QString BombedVictimsText(int hits) { return TNetWindow::tr("Bombed Victims: %1").arg(hits); }

//: %1 is the number of the opponent's Dragons this bombing hit.
QString BombedDragonsText(int hits) { return TNetWindow::tr("Bombed Dragons: %1").arg(hits); }

}  // namespace quorvex
