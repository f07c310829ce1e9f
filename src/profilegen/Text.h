#pragma once

#include <string>

namespace regforge::profilegen {

// The text without the blanks, tabs and carriage returns around it.
inline std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace regforge::profilegen
