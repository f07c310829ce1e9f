#include "periph/adc/AdcGenerator.h"

#include "model/BitString.h"
#include "periph/RegisterLines.h"
#include "periph/adc/AdcSections.h"
#include "profile/ProfileSections.h"
#include "profile/RegisterNames.h"

#include <string>
#include <vector>

namespace regforge::periph::adc {

namespace {

constexpr const char* kSelectedEdge = "selected edge";

// CR and INTEN of one converter as 32-character bit strings, most significant bit first.
struct AdcRegisters {
    std::string cr = std::string(32, '0');
    std::string inten = std::string(32, '0');
};

// The low `width` bits of `value` into the field starting at register bit `lowest`. An item
// index of -1 (nothing selected) counts as 0.
void setField(std::string& bits, int lowest, int width, int value) {
    const std::string byte = model::byteToBits(value < 0 ? 0 : value & 0xFF);
    for (int i = 0; i < width; ++i)
        model::setBit(bits, lowest + i, byte[byte.size() - 1 - static_cast<std::size_t>(i)] == '1');
}

AdcRegisters composeRegisters(const AdcUnit& unit) {
    AdcRegisters regs;
    // SEL and INTEN: one bit per channel, channel n at bit n.
    setCheckedBits(regs.cr, unit.channels);
    setCheckedBits(regs.inten, unit.interrupts);
    if (unit.globalDone->checked())
        model::setBit(regs.inten, kGlobalDoneBit, true);
    if (unit.power->checked())
        model::setBit(regs.cr, kPowerBit, true);
    if (unit.burst->checked())
        model::setBit(regs.cr, kBurstBit, true);
    // The edit keeps CLKDIV within 0..255.
    setField(regs.cr, kDividerBits, 8, static_cast<int>(unit.divider->valueAsInt64()));
    setField(regs.cr, kConversionClocksBit, 3, unit.conversionClocks->itemIndex());
    if (unit.edge->itemIndex() == kFallingEdgeItem)
        model::setBit(regs.cr, kEdgeBit, true);
    setField(regs.cr, kStartBit, 3, unit.start->itemIndex());
    return regs;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

} // namespace

void AdcGenerator::generate(const std::array<AdcUnit, kConverterCount>& units,
                            const model::NumericEdit& peripheralClock, ResultLists& lists) const {
    // Whether the device has a power-down bit is read from ADC0's box for every converter.
    const bool hasPowerDown = units[0].power->visible();
    const std::string clocks = std::to_string(device_.adcClocks);
    const std::string bits = std::to_string(device_.adcBits);
    bool initWritten = false;

    for (int a = 0; a < kConverterCount; ++a) {
        const AdcUnit& unit = units[static_cast<std::size_t>(a)];
        if (!unit.enableBox->checked())
            continue;
        const AdcRegisters regs = composeRegisters(unit);
        const std::string digit = std::to_string(a);
        std::vector<std::string> out;
        out.push_back(std::string(1, '/').append(78, '*'));
        out.push_back(std::string(37, ' ') + "ADC" + digit);
        out.push_back(std::string(79, '*'));
        if (hasPowerDown)
            out.emplace_back(bitIsSet(regs.cr, kPowerBit) ? "   ADC operational"
                                                          : "   ADC in power down mode");
        out.push_back("   ADC " + unit.figures.clockCaption() +
                      "  (calculated with peripheral clock: " + peripheralClock.text() + "MHz)");
        out.push_back("   ADC rate: " + unit.figures.rateCaption());

        const bool burst = bitIsSet(regs.cr, kBurstBit);
        std::string mode = burst ? "   Burst mode, " : "   Manual mode, ";
        // With 12 bits the conversion time is fixed; otherwise burst mode names its chosen clocks.
        if (burst && device_.adcBits != 12)
            mode += unit.conversionClocks->text();
        else
            mode += clocks + " clocks / " + bits + " bit accuracy";
        out.push_back(mode);

        const char* edge = bitIsSet(regs.cr, kEdgeBit) ? "falling edge" : "rising edge";
        out.push_back("   " + replaceAll(unit.start->text(), kSelectedEdge, edge));

        const bool globalDone = bitIsSet(regs.inten, kGlobalDoneBit);
        for (int k = 0; k < kChannelCount; ++k) {
            std::string line =
                "   Channel " + std::to_string(k) + (bitIsSet(regs.cr, k) ? " enabled" : " disabled");
            if (globalDone)
                line += ", global DONE flag in ADGDR will generate an interrupt";
            else if (bitIsSet(regs.inten, k))
                line += ", will generate an interrupt when conversion ends";
            else
                line += ", no interrupt";
            out.push_back(std::move(line));
        }
        out.emplace_back("*/");
        out.emplace_back();

        // The power/clock statement is written once, for the first converter whose profile
        // section has one; a header on the profile's last line has none to copy.
        if (!initWritten) {
            const auto& profileLines = device_.profileLines;
            const int init = profile::findSection(profileLines, converterInitSection(a));
            if (init >= 0 && static_cast<std::size_t>(init) + 1 < profileLines.size()) {
                out.push_back(profileLines[static_cast<std::size_t>(init) + 1]);
                initWritten = true;
            }
        }

        // Only ADC0 has a peripheral structure; the other converters keep their register names.
        const std::string prefix = a == 0 && device_.cortexM3 ? "LPC_ADC->" : "AD" + digit;
        const auto names = profile::RegisterNames::fromProfile(device_.profileLines);
        out.push_back(registerLine(names(prefix + "CR") + " = ", regs.cr, true));
        // The first LPC2129 silicon has no interrupt enable register: DONE always interrupts.
        if (names.exists(prefix + "INTEN"))
            out.push_back(registerLine(names(prefix + "INTEN") + " = ", regs.inten, true));
        out.emplace_back();
        lists.mainLines.insert(lists.mainLines.end(), out.begin(), out.end());
    }
}

} // namespace regforge::periph::adc
