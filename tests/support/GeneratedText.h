#pragma once

#include <string>
#include <vector>

namespace regforge::testing {

// The lines a generator writes, and the rules that open and close its comment block.
using Lines = std::vector<std::string>;
inline const std::string kOpen = "/" + std::string(78, '*');
inline const std::string kRule = std::string(79, '*');

// The lines as one text, each ended by "\n", so a failed comparison shows the whole block.
inline std::string joined(const Lines& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

} // namespace regforge::testing
