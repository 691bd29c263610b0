#include "core/savegames/slotfile.h"

#include "core/platform/files.h"
#include "core/platform/text.h"
#include "core/savegames/valuecodec.h"

#include <algorithm>
#include <stdexcept>

namespace quorvex {

namespace {
const std::array<const char*, 5> kKeys = {SlotKeyName, SlotKeyMoney, SlotKeyVictims, SlotKeyDragons, SlotKeyMode};
}  // namespace

std::string SlotPath(int n) { return qx::ProgramFolder() + "Slot" + std::to_string(n) + ".save"; }

std::vector<std::string> BuildSlotLines(const std::string& name, std::int64_t money, std::int32_t victims,
                                        std::int32_t dragons, std::int8_t mode, qx::Rng& rng, bool reseed) {
    const std::array<std::string, 5> values = {name, std::to_string(money), std::to_string(victims),
                                               std::to_string(dragons), std::to_string(static_cast<int>(mode))};
    std::vector<std::string> lines;
    lines.reserve(kSlotLines);
    for (std::size_t i = 0; i < values.size(); ++i) lines.push_back(EncodeValue(values[i], kKeys[i]));
    for (std::size_t i = 0; i < values.size(); ++i) lines.push_back(EncodeLength(std::to_string(lines[i].size())));

    if (reseed) rng.ReseedFromClock();
    PadWithRandomBits(lines, kSlotMinWidth, rng);
    return lines;
}

void WriteSlotFile(int n, const std::string& name, std::int64_t money, std::int32_t victims, std::int32_t dragons,
                   std::int8_t mode, qx::Rng& rng) {
    qx::WriteLinesAtomic(SlotPath(n), BuildSlotLines(name, money, victims, dragons, mode, rng));
}

void WriteSlotFile(int n, const std::string& name, std::int64_t money, std::int32_t victims, std::int32_t dragons,
                   std::int8_t mode) {
    qx::Rng rng = qx::Rng::FromClock();
    WriteSlotFile(n, name, money, victims, dragons, mode, rng);
}

SlotTexts DecodeSlotLines(const std::vector<std::string>& lines) {
    if (lines.size() < kSlotLines) throw std::runtime_error("The savegame has fewer than ten lines");
    std::array<std::string, 5> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int length = std::stoi(DecodeLength(lines[5 + i]));
        const std::string_view encoded = std::string_view(lines[i]).substr(0, static_cast<std::size_t>(length));
        texts[i] = DecodeValue(encoded, kKeys[i]);
    }
    return {texts[0], texts[1], texts[2], texts[3], texts[4]};
}

SlotTexts ReadSlot(int n, BlankRule rule) {
    const std::string path = SlotPath(n);
    std::vector<std::string> lines = qx::ReadLines(path);
    std::erase_if(lines, [rule](const std::string& line) {
        return rule == BlankRule::Preview ? qx::Trim(line).empty() : line.empty();
    });
    if (lines.size() < kSlotLines) throw DamagedSlotError(path, lines.size());
    lines.resize(kSlotLines);
    return DecodeSlotLines(lines);
}

DamagedSlotError::DamagedSlotError(std::string file, std::size_t count)
    : qx::SystemError("The savegame \"" + qx::SystemText(file) + "\" is damaged: it has " +
                      qx::SystemText(std::to_string(count)) + " of ten lines"),
      path(std::move(file)),
      lines(count) {}

LoadedSlot ParseSlotForLoading(const SlotTexts& texts) {
    LoadedSlot slot;
    slot.texts = texts;
    slot.money = qx::ParseInt64(texts.money);
    slot.victims = qx::ParseInt32(texts.victims);
    slot.dragons = qx::ParseInt32(texts.dragons);
    const std::int32_t mode = qx::ParseInt32(texts.mode);
    slot.mode = static_cast<std::int8_t>(static_cast<std::uint8_t>(static_cast<std::uint32_t>(mode) & 0xFF));
    return slot;
}

}  // namespace quorvex
