// Scrambling of short texts (names, decimal numbers) into lines of "0" and
// "1" characters and back, keyed or unkeyed. Texts are raw 8-bit bytes.
// Stored bit texts are inverted: in a file "0" is a set bit.
#pragma once

#include "core/platform/random.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// Base-2 digits of value, most significant first, padded on the left to at
// least eight characters; values of 256 and more give nine or more digits.
std::string IntToBin(std::uint64_t value);

// The first eight characters as one byte (only "1" is a set bit; missing
// characters count as 0; anything after the eighth is ignored).
int BinToInt(std::string_view bits);

// "0" becomes "1", every other character "0".
std::string InvertBits(std::string_view bits);

// Stored form of a length given in decimal; a text that is not a
// non-negative decimal number counts as 0.
std::string EncodeLength(std::string_view decimalLength);
// Decimal text of the length stored in the first eight characters of line.
std::string DecodeLength(std::string_view line);

// Unkeyed stored form of a text, eight characters per byte.
std::string TextToBits(std::string_view text);

// Keyed stored form: each byte plus its key byte, 255 taken off sums above
// 255. The key repeats from its first byte; an empty key counts as all zeros.
std::string EncodeValue(std::string_view plain, std::string_view key);
// The reverse: whole groups of eight only, 255 added to negative results.
// Plain byte 255 encodes like 0 and so comes back as 0.
std::string DecodeValue(std::string_view bits, std::string_view key);

// Pads every line with random "0"/"1" characters to the width of the longest
// line, and at least to minWidth, so the stored values cannot be told apart
// by their lengths.
void PadWithRandomBits(std::vector<std::string>& lines, std::size_t minWidth, qx::Rng& rng);

}  // namespace quorvex
