// The slot reader and the loading checks on arbitrary slot files. A slot
// that passes the checks is saved again and must load back to the same game.
#include "fuzz_support.h"

#include "core/platform/files.h"
#include "core/platform/random.h"
#include "core/savegames/slotfile.h"

#include <stdexcept>

using namespace quorvex;

namespace {

void CheckRoundTrip(const LoadedSlot& slot) {
    qx::Rng rng(7);
    const auto lines = BuildSlotLines(slot.texts.name, slot.money, slot.victims, slot.dragons, slot.mode, rng, false);
    FUZZ_CHECK(lines.size() == kSlotLines);
    for (const auto& line : lines) {
        FUZZ_CHECK(line.size() == lines[0].size() && line.size() >= kSlotMinWidth);
        FUZZ_CHECK(line.find_first_not_of("01") == std::string::npos);
    }
    const LoadedSlot back = ParseSlotForLoading(DecodeSlotLines(lines));
    FUZZ_CHECK(back.money == slot.money);
    FUZZ_CHECK(back.victims == slot.victims);
    FUZZ_CHECK(back.dragons == slot.dragons);
    FUZZ_CHECK(back.mode == slot.mode);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool folderSet = [] {
        qx::SetProgramFolder(fuzzsupport::ScratchFolder());
        return true;
    }();
    (void)folderSet;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzzsupport::WriteRaw(SlotPath(2), bytes);

    for (const BlankRule rule : {BlankRule::Preview, BlankRule::Loading}) {
        SlotTexts texts;
        try {
            texts = ReadSlot(2, rule);
        } catch (const std::runtime_error&) {
            // Fewer than ten lines: the dialogs report it.
            continue;
        }
        // Eight characters per byte: a value never decodes longer than its line.
        FUZZ_CHECK(texts.name.size() <= 32 && texts.money.size() <= 32 && texts.mode.size() <= 32);
        try {
            CheckRoundTrip(ParseSlotForLoading(texts));
        } catch (const std::runtime_error&) {
            // Not a number: loading refuses the slot.
        }
    }
    return 0;
}
