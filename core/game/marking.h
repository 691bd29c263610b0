// The marking rule both games share: what a number of marked cells lets the
// player do, on the single-player field and on the network game's bomb field.
#pragma once

#include <string>

namespace quorvex {

// FieldsLeft below five marks, Ready at five, TooMany above.
enum class MarkingKind { FieldsLeft, Ready, TooMany };

struct MarkingState {
    MarkingKind kind = MarkingKind::FieldsLeft;
    int fieldsLeft = 5;      // FieldsLeft: the marks still to make
    // The English wording ("3 fields left", "Only 5 fields max!", "Ready to
    // bomb!!!"), the reference the windows' own wording is checked against;
    // the windows word kind and fieldsLeft themselves (ui/game/gametexts.h).
    std::string statusText;
    bool canBomb = false;    // exactly five marks
};
MarkingState MarkingFor(int markCount);

}  // namespace quorvex
