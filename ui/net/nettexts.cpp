#include "ui/net/nettexts.h"

#include "core/platform/errnotext.h"
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

namespace {
// The failures that need no figures of their own; empty for the others.
QString PlainFailureText(NetFailureKind kind) {
    using K = NetFailureKind;
    switch (kind) {
        case K::ClosedGracefully:
            return QCoreApplication::translate("quorvex::TNetWindow", "Connection closed gracefully.");
        case K::ConnectionReset: return QCoreApplication::translate("quorvex::TNetWindow", "Connection reset by peer.");
        case K::NotConnected: return QCoreApplication::translate("quorvex::TNetWindow", "Not connected.");
        case K::LineTooLong: return QCoreApplication::translate("quorvex::TNetWindow", "Max line length exceeded.");
        case K::ConnectTimedOut: return QCoreApplication::translate("quorvex::TNetWindow", "Connect timed out.");
        case K::ConnectCancelled: return QCoreApplication::translate("quorvex::TNetWindow", "Connect cancelled.");
        case K::AlreadyConnected: return QCoreApplication::translate("quorvex::TNetWindow", "Already connected.");
        case K::TerminateTimedOut:
            //: Stopping the server waited too long for the connection to end.
            return QCoreApplication::translate("quorvex::TNetWindow", "Terminate thread timeout.");
        case K::PeerSilent:
            return QCoreApplication::translate("quorvex::TNetWindow", "Connection lost: the peer stopped answering.");
        case K::PeerStalled:
            return QCoreApplication::translate("quorvex::TNetWindow",
                                               "Connection closed: the peer stopped taking data.");
        case K::UnknownFailure: return QCoreApplication::translate("quorvex::TNetWindow", "Unknown error.");
        case K::LineBreakInLine:
            return QCoreApplication::translate("quorvex::TNetWindow", "Cannot send a line that holds a line break.");
        case K::HandshakeTimedOut:
            //: The other player's game did not send its player name in time.
            return QCoreApplication::translate("quorvex::TNetWindow", "No nickname received in time.");
        default: return {};
    }
}
}  // namespace

QString NetFailureText(const NetFailure& f, const qx::SystemText& own) {
    using K = NetFailureKind;
    if (QString plain = PlainFailureText(f.kind); !plain.isEmpty()) return plain;
    const QString cause = qx::FromSystem(qx::ErrnoText(f.err));
    const QString port = QString::number(f.port);
    switch (f.kind) {
        case K::CreateEvent:
            //: %1 is the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not create an event: %1.").arg(cause);
        case K::CreateSocket:
            //: %1 is the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not create socket: %1.").arg(cause);
        case K::CreatePipe:
            //: %1 is the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not create a pipe: %1.").arg(cause);
        case K::Send:
            //: %1 is the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not send: %1.").arg(cause);
        case K::WaitForData:
            //: %1 is the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not wait for data: %1.").arg(cause);
        case K::Receive:
            //: %1 is the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not receive: %1.").arg(cause);
        case K::WaitForConnections:
            //: %1 is the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not wait for connections: %1.").arg(cause);
        case K::AcceptConnection:
            //: %1 is the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not accept a connection: %1.").arg(cause);
        case K::ReadBoundPort:
            //: %1 is the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not read the bound port: %1.").arg(cause);
        case K::BindPort:
            //: %1 is the port, %2 the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not bind socket to port %1: %2.")
                .arg(port, cause);
        case K::Connect:
            //: %1 is the host, %2 the port, %3 the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not connect to %1:%2: %3.")
                .arg(qx::FromSystem(f.name), port, cause);
        case K::Resolve:
            if (f.err == 0)
                //: %1 is the host's name as typed; it has no address.
                return QCoreApplication::translate("quorvex::TNetWindow", "Could not resolve host \"%1\": no address.")
                    .arg(qx::FromSystem(f.name));
            //: %1 is the host's name as typed, %2 the system's reason.
            return QCoreApplication::translate("quorvex::TNetWindow", "Could not resolve host \"%1\": %2.")
                .arg(qx::FromSystem(f.name), qx::FromSystem(qx::ResolverErrorText(f.err)));
        case K::InvalidPort:
            //: %1 is the port number that cannot be used.
            return QCoreApplication::translate("quorvex::TNetWindow", "Invalid port %1.").arg(port);
        default: break;
    }
    return qx::FromSystem(own);
}

QString NetErrorText(const NetError& e) { return NetFailureText(e.Failure(), e.Text()); }

QString NetErrorWording(const qx::SystemError& e) {
    const auto* net = dynamic_cast<const NetError*>(&e);
    return net && net->Failure().kind != NetFailureKind::Other ? NetErrorText(*net) : QString();
}

}  // namespace quorvex
