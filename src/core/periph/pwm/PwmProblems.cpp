// The PWM page's part of the problems list: enabled outputs without their pins, a PWM period
// of zero, pins routed to a unit that is off, and interrupts without a handler.
#include "periph/UnitProblems.h"
#include "periph/pwm/PwmPage.h"

namespace regforge::periph::pwm {

namespace {

std::string unitName(int unit) {
    return "PWM" + std::to_string(unit);
}

// "PWM1.2" where the part numbers its units, "PWM2" on the parts with one unit.
std::string outputFunction(const SetupFacts& facts, int unit, int output) {
    const std::string n = std::to_string(output);
    return offeredFunction(facts, {unitName(unit) + "." + n, "PWM" + n});
}

bool enablesInterrupt(const PwmUnit& pu) {
    for (std::size_t m = 0; m < kMatchCount; ++m)
        if (pu.matchBoxes(static_cast<int>(m))[0]->checked())
            return true;
    for (std::size_t c = 0; c < kCaptureCount; ++c)
        if (pu.captureBoxes(static_cast<int>(c))[2]->checked())
            return true;
    return false;
}

} // namespace

void PwmPage::describeSetup(SetupFacts& facts) const {
    for (int n = 0; n < kPwmCount; ++n) {
        const PwmUnit& pu = unit(n);
        if (pu.enableBox->visible())
            facts.interrupts.push_back({unitName(n), device().board.sourceOf(unitName(n)),
                                        pu.enableBox->checked(), enablesInterrupt(pu)});
    }
}

void PwmPage::reportProblems(const SetupFacts& facts, ProblemList& out) const {
    for (int n = 0; n < kPwmCount; ++n) {
        const PwmUnit& pu = unit(n);
        if (!pu.enableBox->visible())
            continue;
        const std::string name = unitName(n);
        std::vector<std::string> functions;
        for (int k = 1; k <= static_cast<int>(kOutputCount); ++k)
            functions.push_back(outputFunction(facts, n, k));
        if (!pu.enableBox->checked()) {
            reportPinsOfUnitOff(facts, out, name, functions, *pu.enableBox);
            continue;
        }
        for (std::size_t k = 0; k < kOutputCount; ++k)
            if (pu.outputEnableBoxes[k]->checked())
                requirePin(facts, out, Severity::Warning, name, functions[k], *pu.outputEnableBoxes[k],
                           "enables output " + std::to_string(k + 1));
        if (pu.pwmMode->checked() && pu.matchRegisters[0]->valueAsInt64() == 0)
            out.add(Severity::Error, name, pu.matchRegisters[0]->name(),
                    name + " is in PWM mode with MR0 = 0: there is no PWM period",
                    "set MR0 to the period in counter clocks");
        for (int m = 0; m < static_cast<int>(kMatchCount); ++m)
            if (pu.matchBoxes(m)[0]->checked()) {
                requireSource(facts, out, name, device().board.sourceOf(name), *pu.matchBoxes(m)[0],
                              name + " interrupts on MR" + std::to_string(m));
                break;
            }
    }
}

} // namespace regforge::periph::pwm
