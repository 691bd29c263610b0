#include "core/savegames/valuecodec.h"

#include <algorithm>

#include <charconv>

namespace quorvex {

namespace {
int KeyByte(std::string_view key, std::size_t index) {
    if (key.empty()) return 0;
    return static_cast<unsigned char>(key[index % key.size()]);
}
}  // namespace

std::string IntToBin(std::uint64_t value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + (value & 1)));
        value >>= 1;
    } while (value != 0);
    if (digits.size() < 8) digits.insert(0, 8 - digits.size(), '0');
    return digits;
}

int BinToInt(std::string_view bits) {
    int value = 0;
    for (std::size_t i = 0; i < 8; ++i) value = value * 2 + (i < bits.size() && bits[i] == '1' ? 1 : 0);
    return value;
}

std::string InvertBits(std::string_view bits) {
    std::string out(bits.size(), '0');
    for (std::size_t i = 0; i < bits.size(); ++i)
        if (bits[i] == '0') out[i] = '1';
    return out;
}

std::string EncodeLength(std::string_view decimalLength) {
    std::uint64_t n = 0;
    auto r = std::from_chars(decimalLength.data(), decimalLength.data() + decimalLength.size(), n);
    if (r.ec != std::errc() || r.ptr != decimalLength.data() + decimalLength.size()) n = 0;
    return InvertBits(IntToBin(n));
}

std::string DecodeLength(std::string_view line) {
    return std::to_string(BinToInt(InvertBits(line.substr(0, 8))));
}

std::string TextToBits(std::string_view text) {
    std::string bits;
    bits.reserve(text.size() * 8);
    for (char c : text) bits += IntToBin(static_cast<unsigned char>(c));
    return InvertBits(bits);
}

std::string EncodeValue(std::string_view plain, std::string_view key) {
    std::string bits;
    bits.reserve(plain.size() * 8);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        int s = static_cast<unsigned char>(plain[i]) + KeyByte(key, i);
        if (s > 255) s -= 255;  // 255, not 256: the format was defined this way
        bits += IntToBin(static_cast<std::uint64_t>(s));
    }
    return InvertBits(bits);
}

std::string DecodeValue(std::string_view bits, std::string_view key) {
    const std::string plainBits = InvertBits(bits);
    const std::size_t groups = plainBits.size() / 8;
    std::string text;
    text.reserve(groups);
    for (std::size_t i = 0; i < groups; ++i) {
        int v = BinToInt(std::string_view(plainBits).substr(i * 8, 8)) - KeyByte(key, i);
        if (v < 0) v += 255;
        text += static_cast<char>(static_cast<unsigned char>(v));
    }
    return text;
}

void PadWithRandomBits(std::vector<std::string>& lines, std::size_t minWidth, qx::Rng& rng) {
    std::size_t width = minWidth;
    for (const auto& line : lines) width = std::max(width, line.size());
    for (auto& line : lines)
        while (line.size() < width) line += static_cast<char>('0' + rng.Uniform(0, 1));
}

}  // namespace quorvex
