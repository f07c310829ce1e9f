#pragma once

#include <fstream>
#include <sstream>
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

// A long expected text kept as data, byte for byte, in tests/fixtures/expected/<name>.txt.
inline std::string expectedText(const std::string& name) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/expected/" + name + ".txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in ? text.str() : "(no expected text " + name + ")";
}

// The same for expected lines: one line of the file per line.
inline Lines expectedLines(const std::string& name) {
    Lines lines;
    std::istringstream in(expectedText(name));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace regforge::testing
