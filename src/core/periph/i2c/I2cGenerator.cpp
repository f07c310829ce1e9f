#include "periph/i2c/I2cGenerator.h"

#include "model/NumberText.h"
#include "model/ValueFormat.h"
#include "periph/i2c/I2cControls.h"
#include "periph/i2c/I2cSections.h"

#include <cstdio>
#include <string>
#include <vector>

namespace regforge::periph::i2c {

namespace {

// I2CONSET / I2CONCLR bits.
constexpr int kAssertAcknowledge = 0x04;
constexpr int kInterruptFlag = 0x08;
constexpr int kStart = 0x20;
constexpr int kEnable = 0x40;

std::string hex(std::int64_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string microseconds(double seconds) {
    return model::formatGeneral(model::roundToDecimals(seconds * 1e6, 3)) + " us";
}

} // namespace

void I2cGenerator::generate(int n, const I2cBus& bus, const BusClock& clock, ResultLists& lists) const {
    const std::string unit = "I2C" + std::to_string(n);
    const std::string& prefix = bus.section.registerPrefix;
    const bool slave = bus.mode->itemIndex() == kSlave;
    // The code never holds values the unit cannot take, whatever the edits hold.
    const auto halfPeriod = [](const model::NumericEdit& edit) {
        const std::int64_t value = edit.valueAsInt64();
        return value < kMinHalfPeriod ? kMinHalfPeriod : value > kMaxHalfPeriod ? kMaxHalfPeriod : value;
    };
    const SclTiming timing{halfPeriod(*bus.sclh), halfPeriod(*bus.scll)};
    const double pclk = clock.hz;
    const std::int64_t address = bus.address->valueAsInt64() & 0x7F;
    const std::int64_t mask = bus.mask->valueAsInt64() & 0x7F;
    const bool masked = slave && bus.section.addressMask && mask != 0;

    std::vector<std::string> out = {"/" + std::string(78, '*'), std::string(37, ' ') + unit,
                                    std::string(79, '*')};
    if (slave) {
        std::string line = "   Operating in slave mode, own address " + hex(address, 2);
        if (masked)
            line += " (bits of mask " + hex(mask, 2) + " ignored)";
        if (bus.generalCall->checked())
            line += ", answers the general call";
        out.push_back(line);
    } else {
        out.emplace_back("   Operating in master mode");
        const double rate = timing.rateHz(pclk);
        out.push_back("   Bit rate: " + model::formatFrequency(4, "Hz", static_cast<float>(rate)) +
                      ", SCL high " + microseconds(timing.highSeconds(pclk)) + ", low " +
                      microseconds(timing.lowSeconds(pclk)) +
                      "  (calculated with peripheral clock: " + clock.text + "MHz)");
        if (!bus.figure.problem.empty())
            out.push_back("   Note: " + bus.figure.problem);
    }
    out.push_back(bus.interrupt->checked()
                      ? "   Interrupt on every bus state change (SI), handled by the " + bus.section.source +
                            " source"
                      : std::string("   No interrupt: the state changes are polled (SI in I2CONSET)"));
    out.emplace_back("*/");
    out.emplace_back();

    for (const std::string& line : sectionLines(device_.profileLines, busInitSection(n)))
        if (!line.empty())
            out.push_back(line);
    out.push_back(prefix + "CONCLR = " + hex(kAssertAcknowledge | kInterruptFlag | kStart | kEnable, 2) +
                  ";     /* stop the unit: clear AA, SI, STA and I2EN */");
    if (!slave) {
        if (timing.rateHz(pclk) > limitsOf(BusSpeed::Fast).maxHz && bus.section.fastModePlus)
            for (const std::string& line : sectionLines(device_.profileLines, fastModePlusSection(n)))
                if (!line.empty())
                    out.push_back(line);
        out.push_back(prefix + "SCLH = " + std::to_string(timing.high) +
                      ";     /* SCL high time in PCLK cycles */");
        out.push_back(prefix + "SCLL = " + std::to_string(timing.low) +
                      ";     /* SCL low time in PCLK cycles */");
    } else {
        const std::string number = bus.section.addressMask ? "0" : "";
        const std::int64_t adr = (address << 1) | (bus.generalCall->checked() ? 1 : 0);
        out.push_back(prefix + "ADR" + number + " = " + hex(adr, 2) + ";     /* own address " +
                      hex(address, 2) + (bus.generalCall->checked() ? ", general call answered */" : " */"));
        if (masked)
            out.push_back(prefix + "MASK0 = " + hex(mask << 1, 2) + ";     /* address bits not compared */");
    }
    out.push_back(prefix + "CONSET = " + hex(slave ? kEnable | kAssertAcknowledge : kEnable, 2) +
                  (slave ? ";     /* I2EN and AA: enable the unit, answer its own address */"
                         : ";     /* I2EN: enable the unit as master */"));
    out.emplace_back();
    lists.mainLines.insert(lists.mainLines.end(), out.begin(), out.end());
}

} // namespace regforge::periph::i2c
