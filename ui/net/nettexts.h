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

}  // namespace quorvex
