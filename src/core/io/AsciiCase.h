#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace regforge::io {

// Letter case is compared the way the profiles and saved files expect: ASCII letters only,
// every other byte (the 8-bit code page's accented letters included) as it stands.
char toLowerAscii(char c);
char toUpperAscii(char c);
std::string toLowerAscii(std::string_view text);
std::string toUpperAscii(std::string_view text);
bool equalIgnoringCase(std::string_view a, std::string_view b);
bool lessIgnoringCase(std::string_view a, std::string_view b);
bool startsWith(std::string_view text, std::string_view prefix);

// Hashing and equality with letter case ignored, for maps looked up by names as the files
// spell them; they take views, so a lookup builds no lowered copy.
struct HashIgnoringCase {
    std::size_t operator()(std::string_view text) const;
};
struct EqualIgnoringCase {
    bool operator()(std::string_view a, std::string_view b) const { return equalIgnoringCase(a, b); }
};

} // namespace regforge::io
