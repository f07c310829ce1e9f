#pragma once

#include <string>
#include <string_view>

namespace regforge::io {

// The longest name a message quotes whole.
inline constexpr std::size_t kMaxQuotedName = 200;

// A name taken from a file or the command line as a message quotes it: its first
// kMaxQuotedName characters, followed by "..." when it is longer.
std::string quotedName(std::string_view name);

} // namespace regforge::io
