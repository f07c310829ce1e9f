#pragma once

#include <string>

namespace regforge::output {

// A stored list is addressed by the name the user typed or a command line gave: it names a
// file inside replace/ and nothing else. No path separators, no "..", no control characters.
bool isSafeReplaceListName(const std::string& name);

// The message a name refused by isSafeReplaceListName gets.
inline constexpr const char* kWrongNameCaption = "Wrong file name";
inline constexpr const char* kWrongNameText =
    "Please use a name without path separators (\"/\" or \"\\\"), \"..\" or control characters";

} // namespace regforge::output
