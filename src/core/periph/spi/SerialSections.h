#pragma once

#include "profile/ProfileSections.h"
#include "profile/SectionRules.h"

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
inline constexpr const char* kSpiSection = "[SPI]";
inline constexpr const char* kSpiMarker = "8BIT";
inline constexpr const char* kSspMarker = "DMA";
inline std::string sspSection(int ssp) {
    return "[SSP" + std::to_string(ssp) + "]";
}
// The set-up lines of the code: one for SPI, two for each SSP port.
inline constexpr const char* kSpiInitSection = "[SPI_INIT]";
inline constexpr std::size_t kSpiInitLines = 1;
inline constexpr std::size_t kSspInitLines = 2;
inline std::string sspInitSection(int ssp) {
    return "[SSP" + std::to_string(ssp) + "_INIT]";
}

// "[SPI]" with its "8BIT" marker.
SerialPortSection readSpiSection(const profile::Lines& lines);
// "[SSP" + n + "]" with its "DMA" marker.
SerialPortSection readSspSection(const profile::Lines& lines, int ssp);

// The set-up lines a template section gives the generated code: at most `count` lines of the
// section's body (the lines up to the next header). None when the section is absent.
profile::Lines templateLines(const profile::Lines& lines, std::string_view header, std::size_t count);

// The serial port sections and their line grammar.
profile::SectionDescription serialSections();

} // namespace regforge::periph::spi
