#include "core/game/marking.h"

namespace quorvex {

MarkingState MarkingFor(int markCount) {
    MarkingState s;
    s.kind = markCount == 5 ? MarkingKind::Ready : (markCount < 6 ? MarkingKind::FieldsLeft : MarkingKind::TooMany);
    s.fieldsLeft = 5 - markCount;
    s.statusText = markCount < 6 ? std::to_string(5 - markCount) + " fields left" : "Only 5 fields max!";
    if (markCount == 5) s.statusText = "Ready to bomb!!!";
    s.canBomb = markCount == 5;
    return s;
}

}  // namespace quorvex
