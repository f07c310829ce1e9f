// The I2C page's part of the problems list: a unit on without its SCL and SDA pins, pins routed
// to a unit that is off, an interrupt without a handler, and a master whose SCL timing the bus
// standard does not allow.
#include "periph/UnitProblems.h"
#include "periph/i2c/I2cPage.h"

#include <algorithm>

namespace regforge::periph::i2c {

namespace {

std::string unitName(int bus) {
    return "I2C" + std::to_string(bus);
}

std::string joined(const std::vector<std::string>& pins) {
    std::string text;
    for (const auto& pin : pins)
        text += (text.empty() ? "" : ", ") + pin;
    return text;
}

} // namespace

void I2cPage::describeSetup(SetupFacts& facts) const {
    for (int n = 0; n < kBusCount; ++n) {
        const I2cBus& b = bus(n);
        if (b.enableBox->visible())
            facts.interrupts.push_back(
                {unitName(n), b.section.source, b.enableBox->checked(), b.interrupt->checked()});
    }
}

void I2cPage::reportProblems(const SetupFacts& facts, ProblemList& out) const {
    for (int n = 0; n < kBusCount; ++n) {
        const I2cBus& b = bus(n);
        if (!b.enableBox->visible())
            continue;
        const std::string name = unitName(n);
        const auto signals = device().board.signalsOf(
            name, {numberedFunction(facts, "SCL", n), numberedFunction(facts, "SDA", n)});
        if (!b.enableBox->checked()) {
            reportPinsOfUnitOff(facts, out, name, signals, *b.enableBox);
            continue;
        }
        // The bus needs both lines, master or slave.
        for (const auto& signal : signals)
            requirePin(facts, out, Severity::Error, name, signal, *b.enableBox, "is on");
        if (b.interrupt->checked())
            requireSource(facts, out, name, b.section.source, *b.interrupt, name + " interrupts (SI)");
        if (b.mode->itemIndex() != kMaster)
            continue;
        if (b.sclh->valueAsInt64() < kMinHalfPeriod || b.scll->valueAsInt64() < kMinHalfPeriod)
            out.add(Severity::Error, name, b.sclh->name(),
                    name + " SCLH " + b.sclh->text() + ", SCLL " + b.scll->text() +
                        ": both must be at least 4, the code writes 4",
                    "solve the bit rate again, or type values of 4 or more");
        else if (!b.figure.timing.empty())
            out.add(Severity::Error, name, b.rate->name(), name + " bit rate: " + b.figure.timing,
                    "choose a lower bit rate or another duty cycle");
        // Above Fast-mode the lines need the pads that sink the Fast-mode Plus current.
        const auto& pads = b.section.fastModePlusPads;
        if (pads.empty() || !b.figure.hz || *b.figure.hz <= limitsOf(BusSpeed::Fast).maxHz)
            continue;
        for (const auto& signal : signals)
            if (const auto* pin = signal.empty() ? nullptr : facts.routed(signal);
                pin != nullptr && std::find(pads.begin(), pads.end(), pin->pin) == pads.end())
                out.add(Severity::Warning, pin->pin, b.rate->name(),
                        name + " runs above 400 kHz but " + signal + " is on " + pin->pin +
                            ", whose pad has no Fast-mode Plus drive",
                        "route " + signal + " to one of " + joined(pads) + ", or run the bus at 400 kHz");
    }
}

} // namespace regforge::periph::i2c
