// The single-player game's texts: the core says what happened (a streak, a
// mode, a turn's hits, the marks left) and these word it in the player's
// language. In the C and English locales they are the game's own English.
#pragma once

#include "core/game/gamecore.h"
#include "core/game/marking.h"

#include <QString>

#include <cstdint>

namespace quorvex {

// "Double kill", "Triple kill!", "Master kill!", "Ultra sadistic kill!" or "".
QString KillText(int victimHits);

// A mode's name: a new game says "100 dead Victims", a loaded one "100
// killed Victims"; the new-game menu shows the first wording too. Mode 0 of
// a new game is "game type" (the label before any game).
enum class GameTypeWording { New, Loaded };
QString GameTypeText(GameMode mode, GameTypeWording wording);

// "Congratulation! You won! Your Money after killing 100 Victims is $4263!"
QString WinText(GameMode mode, std::int64_t money);

// "Victims Bombed! 2 hits, 3 miss -- +$222"
QString BombedText(int hits, int misses, std::int64_t turnTotal);

// "3 fields left", "Only 5 fields max!", "Ready to bomb!!!": the status of
// the marking rule, for the single-player field and the network game's bomb
// field alike.
QString MarkingText(const MarkingState& marking);

// What a screen reader hears after a mark: "4 marks left", "1 mark left",
// "No marks left, ready to bomb", or the marking's status when too many.
QString MarksLeftText(int markCount, const MarkingState& marking);

}  // namespace quorvex
