// The network windows' words for what the two-player game reports
// (core/net/protocol/protocoltexts.h), translated in the context of TNetWindow
// (its tr context, quorvex::TNetWindow).
// Names and lines from the peer go in through qx::ShownText.
#pragma once

#include "core/net/protocol/protocoltexts.h"

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

}  // namespace quorvex
