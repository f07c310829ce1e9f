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

// A file of tests/fixtures (a test's input or its expected text), byte for byte.
inline std::string fixtureText(const std::string& path) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/" + path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in ? text.str() : "(no fixture " + path + ")";
}

// A long expected text kept as data in tests/fixtures/expected/<name>.txt.
inline std::string expectedText(const std::string& name) {
    return fixtureText("expected/" + name + ".txt");
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
