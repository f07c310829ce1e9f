#include "periph/spi/SerialSections.h"

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

} // namespace

SerialPortSection readSpiSection(const profile::Lines& lines) {
    return readSection(lines, "[SPI]", kSpiSectionLines, "8BIT");
}

SerialPortSection readSspSection(const profile::Lines& lines, int ssp) {
    return readSection(lines, "[SSP" + std::to_string(ssp) + "]", kSspSectionLines, "DMA");
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

} // namespace regforge::periph::spi
