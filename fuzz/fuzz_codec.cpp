// The codec's decoders on arbitrary bit texts and keys, with the properties
// the slot and statistics files rely on.
#include "fuzz_support.h"

#include "core/savegames/valuecodec.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider fdp(data, size);
    const std::string key = fdp.ConsumeRandomLengthString(32);
    const std::string bits = fdp.ConsumeRemainingBytesAsString();

    // Whole groups of eight only, one byte each.
    const std::string plain = DecodeValue(bits, key);
    FUZZ_CHECK(plain.size() == bits.size() / 8);
    const std::string unkeyed = DecodeValue(bits, "");
    FUZZ_CHECK(unkeyed.size() == bits.size() / 8);

    // Only "0" is a set bit in a file; anything else reads as clear, so
    // encoding what was decoded gives the bit text in its clean form.
    std::string clean(bits.size() / 8 * 8, '1');
    for (std::size_t i = 0; i < clean.size(); ++i)
        if (bits[i] == '0') clean[i] = '0';
    FUZZ_CHECK(TextToBits(unkeyed) == clean);
    FUZZ_CHECK(InvertBits(InvertBits(clean)) == clean);

    // Keyed: every byte comes back, except 255 under a non-zero key byte.
    const std::string again = DecodeValue(EncodeValue(plain, key), key);
    FUZZ_CHECK(again.size() == plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const bool zeroKey = key.empty() || key[i % key.size()] == '\0';
        const char expected = plain[i] == '\xFF' && !zeroKey ? '\0' : plain[i];
        FUZZ_CHECK(again[i] == expected);
    }

    // A stored length is the first eight characters, missing ones clear.
    const std::string length = DecodeLength(bits);
    const int n = std::stoi(length);
    FUZZ_CHECK(n >= 0 && n <= 255);
    const std::string stored = EncodeLength(length);
    FUZZ_CHECK(stored.size() == 8);
    for (std::size_t i = 0; i < 8; ++i) FUZZ_CHECK((stored[i] == '0') == (i < bits.size() && bits[i] == '0'));
    FUZZ_CHECK(BinToInt(InvertBits(stored)) == n);

    // Any text as a length: a non-number counts as 0; the result is a bit text.
    const std::string asDecimal = EncodeLength(key);
    FUZZ_CHECK(asDecimal.find_first_not_of("01") == std::string::npos && asDecimal.size() >= 8);
    return 0;
}
