// The run's statistics written at exit to "Quorvex.stat": twelve random keys,
// the twelve figures scrambled with them, their lengths, and random filler,
// 36 lines of 160 "0"/"1" characters. The file is never read back.
#pragma once

#include "core/platform/random.h"
#include "core/stats/statistics.h"

#include <string>
#include <vector>

namespace quorvex {

inline constexpr char kStatisticsFileName[] = "Quorvex.stat";
inline constexpr int kStatisticsLines = 36;
inline constexpr int kStatisticsLineWidth = 160;

// The program folder followed by "Quorvex.stat".
std::string StatisticsPath();

// The 36 lines of the file (without line ends). Reseeds rng from the clock
// before drawing the keys and again before the filler, as the format asks;
// pass reseed = false to keep a test's seeded sequence.
std::vector<std::string> BuildStatisticsLines(const PlayerStatistics& s, qx::Rng& rng, bool reseed = true);

// Writes the file at path, replacing an earlier one atomically.
// Throws qx::FileError; the old file is then untouched and no part file is left.
void SaveStatistics(const PlayerStatistics& s, const std::string& path, qx::Rng& rng);
// A run's record to StatisticsPath(), with a clock-seeded generator.
void SaveStatistics(const PlayerStatistics& s);

}  // namespace quorvex
