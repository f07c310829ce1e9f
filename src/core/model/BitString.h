#pragma once

#include "Error.h"

#include <string>
#include <string_view>

namespace regforge::model {

// A register value under construction: '0' and '1' characters, most significant bit first,
// 32, 16 or 8 characters wide. Position 1 is the first character (the highest bit); in a
// string of width w, register bit n sits at position w - n.

// A bit string operation that cannot produce a value (a non-hexadecimal digit, a position
// outside the string). Generators let it end their run as a failure.
class BitStringError : public regforge::Error {
public:
    using regforge::Error::Error;
};

// "0x" and one upper-case digit per group of four characters, leading zeros kept. A final
// group shorter than four characters, or a group holding anything but '0'/'1', adds nothing.
std::string bitsToHex(std::string_view bits);

// Four characters per hexadecimal digit (either case, no prefix); throws BitStringError on
// any other character.
std::string hexToBits(std::string_view hex);

// Writes `value` (0..3) as two characters starting at the 1-based `position`, the first of
// them the higher bit. Any other value leaves the string unchanged. Throws BitStringError
// when the two characters do not both lie inside the string.
void setTwoBits(std::string& bits, int position, int value);

// The two characters starting at the 1-based `position` as 0..3; only '1' counts as set.
// Throws BitStringError when the two characters do not both lie inside the string.
int getTwoBits(const std::string& bits, int position);

// Sets register bit `bitNumber` (0 = least significant, the last character). Throws
// BitStringError when the bit lies outside the string.
void setBit(std::string& bits, int bitNumber, bool on);

// Eight characters, weight 128 first. Values above 255 give all ones, negative values all zeros.
std::string byteToBits(int value);

// "binary: " and the characters, with "_" before the 9th, 17th and 25th character.
std::string bitsToBinaryText(std::string_view bits);

// "decimal " and the unsigned value of the digits bitsToHex produces ("decimal 0" when it
// produces none). Throws BitStringError for more than 64 bits of digits.
std::string bitsToDecimalText(std::string_view bits);

} // namespace regforge::model
