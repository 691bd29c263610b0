#include "core/stats/statfile.h"

#include "core/platform/files.h"
#include "core/savegames/valuecodec.h"

#include <algorithm>
#include <array>

namespace quorvex {

namespace {
constexpr int kFigures = 12;
constexpr int kKeyLength = 20;

std::array<std::int32_t, kFigures> Figures(const PlayerStatistics& s) {
    return {s.doubleKills, s.tripleKills, s.masterKills, s.ultraKills, s.victims, s.dragons,
            s.bombed,      s.hits,        s.misses,      s.turns,      s.moneyWon, s.moneyLost};
}
}  // namespace

std::string StatisticsPath() { return qx::ProgramFolder() + kStatisticsFileName; }

std::vector<std::string> BuildStatisticsLines(const PlayerStatistics& s, qx::Rng& rng, bool reseed) {
    if (reseed) rng.ReseedFromClock();
    std::array<std::string, kFigures> keys;
    for (auto& key : keys) {
        key.resize(kKeyLength);
        for (char& c : key) c = static_cast<char>(rng.Uniform(32, 121));
    }

    std::vector<std::string> lines;
    lines.reserve(kStatisticsLines);
    for (const auto& key : keys) lines.push_back(TextToBits(key));
    const auto figures = Figures(s);
    for (int i = 0; i < kFigures; ++i) lines.push_back(EncodeValue(std::to_string(figures[i]), keys[i]));
    for (int i = 0; i < kFigures; ++i) lines.push_back(EncodeLength(std::to_string(lines[kFigures + i].size())));

    if (reseed) rng.ReseedFromClock();
    PadWithRandomBits(lines, 80, rng);
    return lines;
}

void SaveStatistics(const PlayerStatistics& s, const std::string& path, qx::Rng& rng) {
    qx::WriteLinesAtomic(path, BuildStatisticsLines(s, rng));
}

void SaveStatistics(const PlayerStatistics& s) {
    qx::Rng rng = qx::Rng::FromClock();
    SaveStatistics(s, StatisticsPath(), rng);
}

}  // namespace quorvex
