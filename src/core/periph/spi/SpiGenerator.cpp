#include "periph/spi/SpiGenerator.h"

#include "model/BitString.h"
#include "model/ValueFormat.h"
#include "periph/RegisterLines.h"
#include "periph/spi/SerialCodeText.h"
#include "periph/spi/SerialSections.h"
#include "periph/spi/SpiControls.h"

#include <string>
#include <vector>

namespace regforge::periph::spi {

namespace {

// SPCR bits 11..8: the transfer length, 8..15 as such and 16 as 0.
constexpr int kBitsField = 8;

std::string composeControl(const SpiPort& spi) {
    std::string spcr(16, '0');
    for (int bit = kSpiFirstBoxBit; bit <= kSpiLastBoxBit; ++bit)
        if (spi.box(bit)->checked())
            model::setBit(spcr, bit, true);
    // The length counts only while BitEnable has uncovered the length combo.
    if (!spi.bitsPanel->visible()) {
        const int length = (spi.bits->itemIndex() + 8) & 0xF;
        for (int k = 0; k < 4; ++k)
            model::setBit(spcr, kBitsField + k, ((length >> k) & 1) != 0);
    }
    return spcr;
}

int bitsField(const std::string& spcr) {
    int length = 0;
    for (int k = 0; k < 4; ++k)
        if (bitIsSet(spcr, kBitsField + k))
            length |= 1 << k;
    return length;
}

std::string lengthText(const std::string& spcr) {
    if (!bitIsSet(spcr, kSpiBitEnableBit))
        return ", 8 bits per transfer";
    const int length = bitsField(spcr);
    if (length == 0)
        return ", 16 bits per transfer";
    if (length >= 8)
        return ", " + std::to_string(length) + " bits per transfer";
    return {};
}

} // namespace

void SpiGenerator::generate(const SpiPort& spi, ResultLists& lists) const {
    const std::string spcr = composeControl(spi);
    const std::string spccr = model::byteToBits(static_cast<int>(spi.counter->valueAsInt64()));
    const std::string order = bitIsSet(spcr, kSpiLsbFirstBit) ? ", LSB first" : ", MSB first";
    const std::string& clockText = spi.clock.clock->text();

    std::vector<std::string> out = commentOpening("SPI");
    if (!bitIsSet(spcr, kSpiMasterBit)) {
        out.push_back("   Operating in slave mode" + order);
        const auto most = static_cast<float>(spi.clock.clock->valueAsFloat() * 1000000.0 / 8.0);
        out.push_back("   Can accept up to " + model::formatFrequency(4, "Hz", most) + " SCK from master" +
                      clockSourceText(clockText));
    } else {
        out.push_back("   Operating in master mode" + lengthText(spcr) + order);
        out.push_back("   " + spi.bitRate.caption() + clockSourceText(clockText));
    }
    const int mode =
        2 * static_cast<int>(bitIsSet(spcr, kSpiCpolBit)) + static_cast<int>(bitIsSet(spcr, kSpiCphaBit));
    out.push_back(modeLine(mode));
    out.emplace_back(bitIsSet(spcr, kSpiInterruptBit) ? "   Interrupt on spi transfer and mode fault"
                                                      : "   No interrupt");
    out.emplace_back("*/");
    out.emplace_back();

    for (const std::string& line : templateLines(device_.profileLines, kSpiInitSection, kSpiInitLines))
        out.push_back(line);

    std::string prefix;
    if (device_.cortexM3) {
        prefix = "LPC_SPI->";
    } else {
        const std::string number = readSpiSection(device_.profileLines).number;
        prefix = number == "-" ? "" : "S" + number;
    }
    out.push_back(registerLine(prefix + "SPCCR = ", spccr, false));
    out.push_back(registerLine(prefix + "SPCR = ", spcr, true));
    out.emplace_back();
    lists.mainLines.insert(lists.mainLines.end(), out.begin(), out.end());
}

} // namespace regforge::periph::spi
