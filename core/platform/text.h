// Small text helpers shared by the rules: trimming as the game defines it and
// decimal conversions that fail the way the error report expects.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/systemtext.h"

namespace qx {

// Removes leading and trailing characters with codes 0..32.
std::string Trim(std::string_view s);

// ASCII upper case (other bytes unchanged).
std::string UpperAscii(std::string_view s);

// Breaks every line longer than `width` bytes into pieces of at most that
// many, each ending after its last blank where the piece holds one, else
// anywhere. Lines that fit stay as they are.
std::vector<std::string> BreakLongLines(const std::vector<std::string>& lines, std::size_t width);

// Parses a whole decimal text (optional leading '-' or '+', digits only, in
// range). Throws std::runtime_error with "'<text>' is not a valid integer value".
std::int64_t ParseInt64(const std::string& s);
std::int32_t ParseInt32(const std::string& s);

// The general error report's rule: a full stop is appended when the last
// character's code is greater than that of '.'.
// Every box that tells of a file error ends that error's text by this rule too.
std::string ErrorReportText(std::string text);
inline SystemText ErrorReportText(const SystemText& text) { return SystemText(ErrorReportText(text.Bytes())); }

}  // namespace qx
