#include "periph/spi/SerialCodeText.h"

#include <array>

namespace regforge::periph::spi {

namespace {

constexpr std::array<const char*, 4> kModeTexts = {
    "Mode 0, first data prior to first SCK rising edge, other data driven on SCK falling edge, data "
    "sampled on SCK rising edge",
    "Mode 1, first data on first SCK rising edge, other data driven on SCK rising edge, data sampled on "
    "SCK falling edge",
    "Mode 2, first data prior to first SCK rising edge, other data driven on SCK rising edge, data "
    "sampled on SCK falling edge",
    "Mode 3, first data om first SCK rising edge, other data driven on SCK falling edge, data sampled on "
    "SCK rising edge",
};

} // namespace

std::vector<std::string> commentOpening(const std::string& title) {
    return {"/" + std::string(78, '*'), std::string(37, ' ') + title, std::string(79, '*')};
}

std::string modeLine(int mode) {
    return std::string("   Set to ") + kModeTexts.at(static_cast<std::size_t>(mode & 3));
}

std::string clockSourceText(const std::string& clockText) {
    return "  (calculated with peripheral clock: " + clockText + "MHz)";
}

} // namespace regforge::periph::spi
