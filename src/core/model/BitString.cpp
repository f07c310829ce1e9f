#include "model/BitString.h"

#include "model/NumberText.h"

#include <array>
#include <cstddef>

namespace regforge::model {

namespace {

constexpr std::array<char, 16> kHexDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                             '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};

// The 0-based index of the pair starting at a 1-based position, checked against the string.
std::size_t pairIndex(std::size_t size, int position) {
    if (position < 1 || static_cast<std::size_t>(position) + 1 > size)
        throw BitStringError("bit pair at position " + std::to_string(position) + " lies outside a " +
                             std::to_string(size) + "-bit value");
    return static_cast<std::size_t>(position) - 1;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string bitsToHex(std::string_view bits) {
    std::string hex = "0x";
    for (std::size_t start = 0; start + 4 <= bits.size(); start += 4) {
        int digit = 0;
        bool valid = true;
        for (std::size_t i = start; i < start + 4; ++i) {
            if (bits[i] != '0' && bits[i] != '1') {
                valid = false;
                break;
            }
            digit = digit * 2 + (bits[i] - '0');
        }
        if (valid)
            hex += kHexDigits[static_cast<std::size_t>(digit)];
    }
    return hex;
}

std::string hexToBits(std::string_view hex) {
    std::string bits;
    bits.reserve(hex.size() * 4);
    for (const char c : hex) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            throw BitStringError("\"" + std::string(hex) + "\" is not a valid hexadecimal value");
        for (int weight = 8; weight > 0; weight /= 2)
            bits += (digit & weight) != 0 ? '1' : '0';
    }
    return bits;
}

void setTwoBits(std::string& bits, int position, int value) {
    const std::size_t index = pairIndex(bits.size(), position);
    if (value < 0 || value > 3)
        return;
    bits[index] = (value & 2) != 0 ? '1' : '0';
    bits[index + 1] = (value & 1) != 0 ? '1' : '0';
}

int getTwoBits(const std::string& bits, int position) {
    const std::size_t index = pairIndex(bits.size(), position);
    return (bits[index] == '1' ? 2 : 0) + (bits[index + 1] == '1' ? 1 : 0);
}

void setBit(std::string& bits, int bitNumber, bool on) {
    if (bitNumber < 0 || static_cast<std::size_t>(bitNumber) >= bits.size())
        throw BitStringError("bit " + std::to_string(bitNumber) + " lies outside a " +
                             std::to_string(bits.size()) + "-bit value");
    bits[bits.size() - 1 - static_cast<std::size_t>(bitNumber)] = on ? '1' : '0';
}

std::string byteToBits(int value) {
    std::string bits = "00000000";
    int remaining = value;
    std::size_t index = 0;
    for (int weight = 128; weight > 0; weight /= 2, ++index) {
        if (remaining >= weight) {
            bits[index] = '1';
            remaining -= weight;
        }
    }
    return bits;
}

std::string bitsToBinaryText(std::string_view bits) {
    std::string text = "binary: ";
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if (i == 8 || i == 16 || i == 24)
            text += '_';
        text += bits[i];
    }
    return text;
}

std::string bitsToDecimalText(std::string_view bits) {
    const std::string digits = bitsToHex(bits).substr(2);
    if (digits.empty())
        return "decimal 0";
    const auto value = parseHex(digits);
    if (!value)
        throw BitStringError("a " + std::to_string(bits.size()) + "-bit value does not fit 64 bits");
    return "decimal " + std::to_string(*value);
}

} // namespace regforge::model
