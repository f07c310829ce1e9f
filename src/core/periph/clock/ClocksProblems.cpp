// The Clocks page's part of the problems list: a crystal outside the family's range, a source
// the PLL cannot take, an input from which no setting keeps the clocks in range, a wanted clock
// above the part's maximum or without an exact setting, and a USB clock that cannot be 48 MHz.
#include "periph/clock/ClockCodeGenerator.h"
#include "periph/clock/ClocksPage.h"

namespace regforge::periph::clock {

void ClocksPage::reportProblems(const SetupFacts& /*facts*/, ProblemList& out) const {
    if (!on())
        return;
    const ClockRequest r = request();
    const std::string& part = device().deviceName;
    if (r.source.hz <= 0 && r.source.kind == SourceKind::MainOscillator) {
        out.add(Severity::Error, "Crystal", kCrystalEdit, "no crystal frequency is entered",
                "enter the crystal's frequency in MHz");
        return;
    }
    if (r.source.hz <= 0) {
        out.add(Severity::Error, "Clock source", kSourceCombo,
                "the " + part + "'s PLL cannot take the " +
                    kSourceItems[static_cast<std::size_t>(std::max(0, source_->itemIndex()))],
                "choose another clock source");
        return;
    }
    if (solution_.inputOutOfRange)
        out.add(Severity::Error, "Crystal", kCrystalEdit,
                "crystal " + frequencyText(r.source.hz) + " is outside the " + part + "'s " +
                    frequencyText(facts_->crystal.min) + " .. " + frequencyText(facts_->crystal.max) +
                    ": the code is worked for " + frequencyText(usableSource(*facts_, r.source).hz),
                "fit a crystal in the range and enter its frequency");
    if (solution_.wantedAboveMax)
        out.add(Severity::Warning, "CCLK", kWantedEdit,
                "wanted CPU clock " + frequencyText(r.wantedHz) + " is above the " + part + "'s " +
                    frequencyText(facts_->cpuMax) + ": the code sets the closest below",
                "lower the wanted CPU clock to at most " + frequencyText(facts_->cpuMax));
    const auto s = chosen();
    if (!s) {
        out.add(Severity::Error, "PLL", kSolutionsList,
                "no PLL setting keeps the clocks in range from " + frequencyText(r.source.hz) +
                    ": the code sets no clock",
                "choose another input or wanted CPU clock");
        return;
    }
    if (!s->exact && !solution_.wantedAboveMax)
        out.add(Severity::Warning, "CCLK", kSolutionsList,
                "no setting gives " + frequencyText(r.wantedHz) + " exactly: the chosen gives " +
                    frequencyText(s->cpu) + " (" + ppmText(s->errorPpm) + ")",
                "accept the error, or choose a crystal or wanted clock the PLL divides exactly");
    if (r.usb && !(s->usb && s->usb->exact))
        out.add(Severity::Error, "USB", kUsbBox,
                "the USB clock must be 48 MHz exactly, but no setting makes it from " +
                    frequencyText(usableSource(*facts_, r.source).hz) + ": the code leaves it unset",
                "choose a crystal from which 48 MHz divides exactly (12 MHz does)");
}

} // namespace regforge::periph::clock
