// The savegame slot files "Slot1.save" to "Slot3.save": five values scrambled
// with fixed keys, their stored lengths, and random filler, ten lines of "0"
// and "1" characters. Qt-free; the slot dialogs build on it.
#pragma once

#include "core/platform/random.h"
#include "core/platform/systemtext.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

inline constexpr char SlotKeyName[] = "k42p7wqe1tyu5m3zc9rb";
inline constexpr char SlotKeyMoney[] = "91kt4a7m2q6w8e3r5y0u";
inline constexpr char SlotKeyVictims[] = "p7c2v9b4n1m6x3z8l5k0";
inline constexpr char SlotKeyDragons[] = "w3e8r1t6y4u9i2o7p5a0";
inline constexpr char SlotKeyMode[] = "j6h1g8f3d5s2a9q4w7e0";

inline constexpr int kSlotCount = 3;
inline constexpr std::size_t kSlotLines = 10;
inline constexpr std::size_t kSlotMinWidth = 80;

// The five texts of a slot, as decoded; nothing is validated.
struct SlotTexts {
    std::string name;
    std::string money;
    std::string victims;
    std::string dragons;
    std::string mode;
};

// Which lines ReadSlot drops before taking ten: the previews drop lines that
// are blank after trimming codes <= 32, loading drops only empty lines.
enum class BlankRule { Preview, Loading };

// The program folder followed by "Slot<n>.save".
std::string SlotPath(int n);

// The ten lines (without line ends). Reseeds rng from the clock before the
// filler unless reseed is false (tests keep their seeded sequence).
std::vector<std::string> BuildSlotLines(const std::string& name, std::int64_t money, std::int32_t victims,
                                        std::int32_t dragons, std::int8_t mode, qx::Rng& rng, bool reseed = true);

// Writes slot n, replacing an earlier file atomically: a failed write throws
// qx::FileError and leaves the slot that was there untouched.
void WriteSlotFile(int n, const std::string& name, std::int64_t money, std::int32_t victims, std::int32_t dragons,
                   std::int8_t mode, qx::Rng& rng);
void WriteSlotFile(int n, const std::string& name, std::int64_t money, std::int32_t victims, std::int32_t dragons,
                   std::int8_t mode);

// Decodes ten lines as the file holds them (after blank lines were dropped).
SlotTexts DecodeSlotLines(const std::vector<std::string>& lines);

// A slot file with fewer than ten lines left: which file and how many lines.
// Its text is the English report; the windows word it from the values.
class DamagedSlotError : public qx::SystemError {
public:
    DamagedSlotError(std::string path, std::size_t lines);
    std::string path;
    std::size_t lines;
};

// Reads slot n. Throws qx::FileError when the file cannot be read and
// std::runtime_error when fewer than ten lines remain.
SlotTexts ReadSlot(int n, BlankRule rule);

// A slot's values checked and converted for loading, so a game is applied
// all or nothing. The texts are kept for the labels, which show them as
// decoded (a money text "0012" is shown so).
struct LoadedSlot {
    SlotTexts texts;
    std::int64_t money = 0;
    std::int32_t victims = 0;
    std::int32_t dragons = 0;
    std::int8_t mode = 0;  // low eight bits of the mode number
};

// Throws std::runtime_error ("'<text>' is not a valid integer value") for
// the first of money, victims, dragons, mode that does not convert.
LoadedSlot ParseSlotForLoading(const SlotTexts& texts);

}  // namespace quorvex
