#include "io/AsciiCase.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace regforge::io {

char toLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

char toUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string toLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = toLowerAscii(c);
    return out;
}

std::string toUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = toUpperAscii(c);
    return out;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    // Most names are looked up spelt as they were declared: one block compare settles those.
    if (a == b)
        return true;
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return toLowerAscii(x) == toLowerAscii(y); });
}

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(toLowerAscii(x)) < static_cast<unsigned char>(toLowerAscii(y));
    });
}

std::size_t HashIgnoringCase::operator()(std::string_view text) const {
    // Every byte with its 0x20 bit set: a letter and its capital hash alike (so do a few other
    // pairs, which only shares a bucket now and then). Eight bytes at a time: names are looked up
    // by the thousand.
    constexpr std::uint64_t kCaseBits = 0x2020202020202020ull;
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = text.size() * kMultiplier;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        hash = (hash ^ (word | kCaseBits)) * kMultiplier;
        hash ^= hash >> 29;
    }
    std::uint64_t tail = 0;
    for (; i < text.size(); ++i)
        tail = (tail << 8) | (static_cast<unsigned char>(text[i]) | 0x20u);
    hash = (hash ^ tail) * kMultiplier;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace regforge::io
