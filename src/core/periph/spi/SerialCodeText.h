#pragma once

#include <string>
#include <vector>

namespace regforge::periph::spi {

// Pieces of text both serial-port generators write.

// The three lines that open a port's comment block, the title centred under the first.
std::vector<std::string> commentOpening(const std::string& title);

// "   Set to " + what clock mode 0..3 (2 x CPOL + CPHA) means for the data and SCK edges.
std::string modeLine(int mode);

// "  (calculated with peripheral clock: 15MHz)", from the clock edit's text.
std::string clockSourceText(const std::string& clockText);

} // namespace regforge::periph::spi
