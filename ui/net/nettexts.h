// The network windows' words for what the two-player game reports
// (core/net/protocol/protocoltexts.h), translated in the context of TNetWindow
// (its tr context, quorvex::TNetWindow).
// Names and lines from the peer go in through qx::ShownText.
#pragma once

#include "core/net/protocol/protocoltexts.h"
#include "core/net/transport/neterrors.h"

#include <QString>

namespace quorvex {

// "[» " + text + " «]": the windows' notices, framed like the server's line.
QString NoticeText(const QString& text);

QString GameNoteText(const GameNote& note);
QString GameStatusText(GameStatus status);
// "[ You won ]", "[ You lost ]", "[ Draw ]".
QString BombResultText(BombResult result);
// "Bombed Victims: 3", "Bombed Dragons: 1".
QString BombedVictimsText(int hits);
QString BombedDragonsText(int hits);

// What a screen reader hears of the game beyond the labels: the own
// bombing with its figures ("Bomb result: You won, 3 Victims and 2 Dragons
// hit"), the opponent's saying whose it was ("Peer bombed your battlefield
// and won."; empty for other notes), the figures still to place ("4 Victims
// and 5 Dragons left to place") and the result label before any bombing.
QString OwnBombNews(BombResult result, int victimHits, int dragonHits);
QString PeerBombNews(const GameNote& note);
QString FiguresLeftNews(int victimsLeft, int dragonsLeft);

// A failure of the transport in the windows' words: "Connection closed
// gracefully.", "Could not send: <the system's cause>."; the system's causes
// in the windows' language (qx::ErrnoText). For kind Other: own, decoded as a
// system text.
QString NetFailureText(const NetFailure& failure, const qx::SystemText& own = {});
QString NetErrorText(const NetError& error);
// The same for any system error, for the general error report: empty when it
// is not the transport's or the windows have no words of their own for it.
QString NetErrorWording(const qx::SystemError& error);

}  // namespace quorvex
