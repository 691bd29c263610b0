#include "core/savegames/valuecodec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace quorvex;

namespace {
std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += static_cast<char>(static_cast<unsigned char>(c));
    return s;
}
}  // namespace

TEST(ValueCodecBits, IntToBinPadsToEightAndNeverCuts) {
    EXPECT_EQ(IntToBin(0), "00000000");
    EXPECT_EQ(IntToBin(1), "00000001");
    EXPECT_EQ(IntToBin(97), "01100001");
    EXPECT_EQ(IntToBin(255), "11111111");
    EXPECT_EQ(IntToBin(256), "100000000");
    EXPECT_EQ(IntToBin(320), "101000000");
}

TEST(ValueCodecBits, BinToIntReadsOnlyTheFirstEightAndOnlyOnes) {
    EXPECT_EQ(BinToInt("11111111"), 255);
    EXPECT_EQ(BinToInt("01100001"), 97);
    EXPECT_EQ(BinToInt("100000000"), 128);   // ninth digit ignored
    EXPECT_EQ(BinToInt("1"), 128);           // missing positions are 0
    EXPECT_EQ(BinToInt(""), 0);
    EXPECT_EQ(BinToInt("1x1a1 1?"), 128 + 32 + 8 + 2);  // anything but "1" is clear
}

TEST(ValueCodecBits, InvertBitsTurnsEveryOtherCharacterIntoZero) {
    EXPECT_EQ(InvertBits("0101"), "1010");
    EXPECT_EQ(InvertBits("0a 1"), "1000");
    EXPECT_EQ(InvertBits(""), "");
}

TEST(ValueCodecBits, TextToBitsIsUnkeyedAndInverted) {
    EXPECT_EQ(TextToBits("abc"), "100111101001110110011100");
    EXPECT_EQ(TextToBits(" "), "11011111");
    EXPECT_EQ(TextToBits(Bytes({0, 255})), "1111111100000000");
    EXPECT_EQ(TextToBits(""), "");
}

TEST(ValueCodecLength, ExamplesAndTheEightDigitLimit) {
    EXPECT_EQ(EncodeLength("24"), "11100111");
    EXPECT_EQ(EncodeLength("80"), "10101111");
    EXPECT_EQ(EncodeLength("256"), "011111111");
    EXPECT_EQ(EncodeLength("0"), "11111111");
    EXPECT_EQ(DecodeLength("11111111"), "0");
    EXPECT_EQ(DecodeLength("011111111"), "128");
    EXPECT_EQ(DecodeLength("11100111" + std::string(72, '0')), "24");
    EXPECT_EQ(DecodeLength("11100111" + std::string(72, '1')), "24");
    // Written lengths 256..511 read back as half, rounded down.
    EXPECT_EQ(DecodeLength(EncodeLength("320")), "160");
    EXPECT_EQ(DecodeLength(EncodeLength("511")), "255");
    for (int n = 0; n <= 255; ++n) EXPECT_EQ(DecodeLength(EncodeLength(std::to_string(n))), std::to_string(n));
}

TEST(ValueCodecKeyed, EmptyTextsStayEmpty) {
    EXPECT_EQ(EncodeValue("", "key"), "");
    EXPECT_EQ(DecodeValue("", "key"), "");
    EXPECT_EQ(DecodeValue("1010101", "key"), "");  // fewer than eight characters
}

TEST(ValueCodecKeyed, SumsAboveTwoFiftyFiveLoseTwoFiftyFive) {
    EXPECT_EQ(EncodeValue("0", " "), "10101111");                    // 48 + 32 = 80
    EXPECT_EQ(EncodeValue(Bytes({200}), "z"), InvertBits("01000011"));  // 322 - 255 = 67
    EXPECT_EQ(EncodeValue(Bytes({133}), "z"), "00000000");            // exactly 255 stays
    EXPECT_EQ(EncodeValue(Bytes({134}), "z"), "11111110");            // 256 becomes 1
    EXPECT_EQ(EncodeValue(Bytes({255}), Bytes({255})), "00000000");   // 510 becomes 255
    // The reverse adds 255 to negative results.
    EXPECT_EQ(DecodeValue("11111110", "z"), Bytes({134}));
    EXPECT_EQ(DecodeValue("00000000", "z"), Bytes({133}));
}

TEST(ValueCodecKeyed, KeyRepeatsFromItsFirstByte) {
    const std::string key = "ABCDEFGHIJKLMNOPQRST";  // 20 distinct bytes
    const std::string plain(21, 'a');
    const std::string bits = EncodeValue(plain, key);
    ASSERT_EQ(bits.size(), 21u * 8);
    EXPECT_EQ(bits.substr(20 * 8), EncodeValue("a", "A"));
    EXPECT_EQ(bits.substr(19 * 8, 8), EncodeValue("a", "T"));
    EXPECT_NE(bits.substr(20 * 8), bits.substr(19 * 8, 8));
    EXPECT_EQ(DecodeValue(bits, key), plain);
}

TEST(ValueCodecKeyed, SeventeenCharactersDecodeTwoBytes) {
    const std::string bits = EncodeValue("xy", "k42p");
    EXPECT_EQ(DecodeValue(bits + "0", "k42p"), "xy");
    EXPECT_EQ(DecodeValue(bits + "1", "k42p"), "xy");
}

TEST(ValueCodecKeyed, ForeignCharactersReadAsClearedBits) {
    // Stored "0" is a set bit; "x" is cleared, so the group is 0 before the key.
    EXPECT_EQ(DecodeValue("xxxxxxxx", Bytes({10})), Bytes({245}));
}

TEST(ValueCodecKeyed, EveryByteButTwoFiftyFiveRoundTripsUnderRandomKeys) {
    std::mt19937 gen(12345);
    std::uniform_int_distribution<int> keyByte(0, 255), keyLen(1, 30);
    std::string plain;
    for (int b = 0; b <= 254; ++b) plain += static_cast<char>(static_cast<unsigned char>(b));
    for (int round = 0; round < 50; ++round) {
        std::string key(static_cast<std::size_t>(keyLen(gen)), '\0');
        for (char& c : key) c = static_cast<char>(keyByte(gen));
        const std::string bits = EncodeValue(plain, key);
        ASSERT_EQ(bits.size(), plain.size() * 8);
        ASSERT_EQ(bits.find_first_not_of("01"), std::string::npos);
        ASSERT_EQ(DecodeValue(bits, key), plain) << "round " << round;
    }
}

TEST(ValueCodecKeyed, ByteTwoFiftyFiveComesBackAsZero) {
    for (int k : {1, 32, 121, 255}) {  // keys never hold byte 0
        const std::string key = Bytes({k});
        EXPECT_EQ(EncodeValue(Bytes({255}), key), EncodeValue(Bytes({0}), key)) << k;
        EXPECT_EQ(DecodeValue(EncodeValue(Bytes({'a', 255, 'b'}), key), key), Bytes({'a', 0, 'b'})) << k;
    }
}
