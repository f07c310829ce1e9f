#pragma once

#include "profile/ProfileSections.h"

#include <string>
#include <string_view>

namespace regforge::periph::spi {

// What a device profile says about its serial ports. "[SPI]" is followed by up to three
// lines, "[SSP0]".."[SSP2]" by up to two: a feature marker ("8BIT", "DMA") or a one-character
// port number. Only the section's own lines count: a profile that ends, or a next header that
// follows, within those lines gives fewer lines, never the next section's.
struct SerialPortSection {
    bool present = false;
    // The marker is one of the lines read.
    bool marked = false;
    // The first of the section's first two lines that is exactly one character long; empty
    // when neither is.
    std::string number;
};

inline constexpr int kSpiSectionLines = 3;
inline constexpr int kSspSectionLines = 2;

// "[SPI]" with its "8BIT" marker.
SerialPortSection readSpiSection(const profile::Lines& lines);
// "[SSP" + n + "]" with its "DMA" marker.
SerialPortSection readSspSection(const profile::Lines& lines, int ssp);

// The set-up lines a template section gives the generated code: at most `count` lines of the
// section's body (the lines up to the next header). None when the section is absent.
profile::Lines templateLines(const profile::Lines& lines, std::string_view header, std::size_t count);

} // namespace regforge::periph::spi
