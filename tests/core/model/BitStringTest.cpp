#include "model/BitString.h"

#include <gtest/gtest.h>
#include <string>

namespace regforge::model {
namespace {

TEST(BitString, HexKeepsLeadingZerosAndSkipsIncompleteGroups) {
    EXPECT_EQ(bitsToHex(std::string(32, '0')), "0x00000000");
    EXPECT_EQ(bitsToHex("0000000000000000"), "0x0000");
    EXPECT_EQ(bitsToHex("1010"), "0xA");
    EXPECT_EQ(bitsToHex("10101"), "0xA");
    EXPECT_EQ(bitsToHex(""), "0x");
    EXPECT_EQ(bitsToHex("1111111011011100"), "0xFEDC");
    // A group holding anything but '0'/'1' adds nothing; the others still print.
    EXPECT_EQ(bitsToHex("00011x010011"), "0x13");
}

TEST(BitString, HexRoundTripsAndRejectsNonHexDigits) {
    EXPECT_EQ(hexToBits("0"), "0000");
    EXPECT_EQ(hexToBits("a5F0"), "1010010111110000");
    EXPECT_EQ(bitsToHex(hexToBits("0000001F")), "0x0000001F");
    EXPECT_THROW(hexToBits("12G4"), BitStringError);
    EXPECT_THROW(hexToBits("0x12"), BitStringError);
    EXPECT_THROW(hexToBits("1 2"), BitStringError);
}

TEST(BitString, TwoBitFieldsUseOneBasedPositionsHighBitFirst) {
    std::string bits = "00000000";
    setTwoBits(bits, 1, 2);
    EXPECT_EQ(bits, "10000000");
    setTwoBits(bits, 7, 3);
    EXPECT_EQ(bits, "10000011");
    setTwoBits(bits, 7, 1);
    EXPECT_EQ(bits, "10000001");
    setTwoBits(bits, 1, 4); // not a two-bit value: unchanged
    setTwoBits(bits, 7, -1);
    EXPECT_EQ(bits, "10000001");

    EXPECT_EQ(getTwoBits(bits, 1), 2);
    EXPECT_EQ(getTwoBits(bits, 7), 1);
    EXPECT_EQ(getTwoBits("x1", 1), 1);
    EXPECT_EQ(getTwoBits("1?", 1), 2);
}

TEST(BitString, PositionsOutsideTheStringFailInsteadOfWritingPastIt) {
    std::string bits = "00000000";
    EXPECT_THROW(setTwoBits(bits, 8, 3), BitStringError);
    EXPECT_THROW(setTwoBits(bits, 0, 3), BitStringError);
    EXPECT_THROW(getTwoBits(bits, 8), BitStringError);
    EXPECT_THROW(setBit(bits, 8, true), BitStringError);
    EXPECT_THROW(setBit(bits, -1, true), BitStringError);
    EXPECT_EQ(bits, "00000000");
    // The message reaches the user when a damaged configuration asks for such a bit.
    try {
        setBit(bits, 40, true);
    } catch (const BitStringError& e) {
        EXPECT_STREQ(e.what(), "bit 40 lies outside a 8-bit value");
    }
}

TEST(BitString, SetBitAddressesRegisterBitNumbers) {
    std::string bits(32, '0');
    setBit(bits, 0, true);
    setBit(bits, 31, true);
    setBit(bits, 5, true);
    EXPECT_EQ(bitsToHex(bits), "0x80000021");
    setBit(bits, 31, false);
    EXPECT_EQ(bitsToHex(bits), "0x00000021");
}

TEST(BitString, ByteToBitsWeighsFromTheHighBit) {
    EXPECT_EQ(byteToBits(0), "00000000");
    EXPECT_EQ(byteToBits(1), "00000001");
    EXPECT_EQ(byteToBits(128), "10000000");
    EXPECT_EQ(byteToBits(165), "10100101");
    EXPECT_EQ(byteToBits(255), "11111111");
    EXPECT_EQ(byteToBits(300), "11111111");
    EXPECT_EQ(byteToBits(-4), "00000000");
}

TEST(BitString, BinaryTextSeparatesBytes) {
    EXPECT_EQ(bitsToBinaryText("0000000100000010"), "binary: 00000001_00000010");
    EXPECT_EQ(bitsToBinaryText("10000001"), "binary: 10000001");
    EXPECT_EQ(bitsToBinaryText("10000000000000000000000000000001"),
              "binary: 10000000_00000000_00000000_00000001");
    // Only the three byte boundaries of a 32-bit value get a separator.
    EXPECT_EQ(bitsToBinaryText(std::string(40, '0')), "binary: 00000000_00000000_00000000_0000000000000000");
    EXPECT_EQ(bitsToBinaryText(""), "binary: ");
}

TEST(BitString, DecimalTextIsUnsigned) {
    EXPECT_EQ(bitsToDecimalText(std::string(32, '1')), "decimal 4294967295");
    EXPECT_EQ(bitsToDecimalText(std::string(32, '0')), "decimal 0");
    EXPECT_EQ(bitsToDecimalText("0000000100000010"), "decimal 258");
    EXPECT_EQ(bitsToDecimalText(std::string(64, '1')), "decimal 18446744073709551615");
    EXPECT_EQ(bitsToDecimalText(""), "decimal 0");
    EXPECT_THROW(bitsToDecimalText(std::string(68, '1')), BitStringError);
}

} // namespace
} // namespace regforge::model
