#include "periph/spi/SerialSections.h"

#include "periph/spi/SpiControls.h"
#include "profile/SectionChecker.h"

namespace regforge::periph::spi {

namespace {

SerialPortSection readSection(const profile::Lines& lines, const std::string& header, int lineCount,
                              std::string_view marker) {
    SerialPortSection section;
    const int at = profile::findSection(lines, header);
    if (at < 0)
        return section;
    section.present = true;
    const profile::Lines body = templateLines(lines, header, static_cast<std::size_t>(lineCount));
    for (std::size_t k = 0; k < body.size(); ++k) {
        if (body[k] == marker)
            section.marked = true;
        if (k < 2 && section.number.empty() && body[k].size() == 1)
            section.number = body[k];
    }
    return section;
}

// The rule of a port section: each line read is the marker or a one-character port number.
profile::SectionRule portRule(const std::string& header, int lineCount, std::string_view marker) {
    return profile::SectionRule(header)
        .withoutEmptyLines()
        .readingAtMost(static_cast<std::size_t>(lineCount))
        .checkingLines([header, marker](const std::string& line, std::size_t) -> std::optional<std::string> {
            if (line.empty() || line == marker || line.size() == 1)
                return std::nullopt;
            return header + " line " + profile::quoted(line) + " is neither " + std::string(marker) +
                   " nor a one-character port number";
        });
}

} // namespace

SerialPortSection readSpiSection(const profile::Lines& lines) {
    return readSection(lines, kSpiSection, kSpiSectionLines, kSpiMarker);
}

SerialPortSection readSspSection(const profile::Lines& lines, int ssp) {
    return readSection(lines, sspSection(ssp), kSspSectionLines, kSspMarker);
}

profile::Lines templateLines(const profile::Lines& lines, std::string_view header, std::size_t count) {
    const int at = profile::findSection(lines, header);
    if (at < 0)
        return {};
    profile::Lines body = profile::sectionBodyAt(lines, at);
    if (body.size() > count)
        body.resize(count);
    return body;
}

profile::SectionDescription serialSections() {
    profile::SectionDescription description;
    description.sections.push_back(portRule(kSpiSection, kSpiSectionLines, kSpiMarker));
    for (int n = 0; n < kSspCount; ++n)
        description.sections.push_back(portRule(sspSection(n), kSspSectionLines, kSspMarker));
    description.sections.push_back(profile::SectionRule(kSpiInitSection).takingAtLeast(kSpiInitLines));
    for (int n = 0; n < kSspCount; ++n)
        description.sections.push_back(profile::SectionRule(sspInitSection(n)));
    return description;
}

} // namespace regforge::periph::spi
