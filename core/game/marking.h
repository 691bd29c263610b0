// The marking rule both games share: what a number of marked cells lets the
// player do, on the single-player field and on the network game's bomb field.
#pragma once

#include <string>

namespace quorvex {

struct MarkingState {
    std::string statusText;  // "3 fields left", "Only 5 fields max!", "Ready to bomb!!!"
    bool canBomb = false;    // exactly five marks
};
MarkingState MarkingFor(int markCount);

}  // namespace quorvex
