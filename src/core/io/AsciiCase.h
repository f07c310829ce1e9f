#pragma once

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

} // namespace regforge::io
