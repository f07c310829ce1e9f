// The ADC page's part of the problems list: an A/D clock above the part's limit, a converter
// left in power-down, channels without their pins, pins routed to a converter that is off, and
// interrupts without a handler.
#include "model/ValueFormat.h"
#include "periph/UnitProblems.h"
#include "periph/adc/AdcPage.h"

namespace regforge::periph::adc {

namespace {

std::string unitName(int converter) {
    return "ADC" + std::to_string(converter);
}

// "AD0.3" on most parts, "AD3" on the LPC13xx.
std::string channelFunction(const SetupFacts& facts, int converter, int channel) {
    const std::string c = std::to_string(channel);
    return offeredFunction(facts, {"AD" + std::to_string(converter) + "." + c, "AD" + c});
}

bool enablesInterrupt(const AdcUnit& unit) {
    if (unit.globalDone->checked())
        return true;
    for (const model::CheckBox* box : unit.interrupts)
        if (box->checked())
            return true;
    return false;
}

} // namespace

void AdcPage::describeSetup(SetupFacts& facts) const {
    for (int a = 0; a < kConverterCount; ++a) {
        const AdcUnit& u = unit(a);
        if (u.enableBox->visible())
            facts.interrupts.push_back({unitName(a), device().board.sourceOf(unitName(a)),
                                        u.enableBox->checked(), enablesInterrupt(u)});
    }
}

void AdcPage::reportProblems(const SetupFacts& facts, ProblemList& out) const {
    for (int a = 0; a < kConverterCount; ++a) {
        const AdcUnit& u = unit(a);
        if (!u.enableBox->visible())
            continue;
        const std::string name = unitName(a);
        std::vector<std::string> functions;
        for (int ch = 0; ch < kChannelCount; ++ch)
            functions.push_back(missing_[static_cast<std::size_t>(a)][static_cast<std::size_t>(ch)]
                                    ? std::string()
                                    : channelFunction(facts, a, ch));
        if (!u.enableBox->checked()) {
            reportPinsOfUnitOff(facts, out, name, functions, *u.enableBox);
            continue;
        }
        if (u.figures.clockHz && *u.figures.clockHz > device().adcMaxClock)
            out.add(Severity::Error, name, u.divider->name(),
                    name + " clock " +
                        model::formatFrequency(4, "Hz", static_cast<float>(*u.figures.clockHz)) +
                        " is above the part's " +
                        model::formatFrequency(4, "Hz", static_cast<float>(device().adcMaxClock)),
                    "raise CLKDIV until the A/D clock is within the limit");
        if (u.power->visible() && !u.power->checked())
            out.add(Severity::Error, name, u.power->name(),
                    name + " is on but PDN is clear: the converter stays powered down",
                    "check PDN to power the converter up");
        bool anyChannel = false;
        for (int ch = 0; ch < kChannelCount; ++ch) {
            const auto at = static_cast<std::size_t>(ch);
            if (!u.channels[at]->checked())
                continue;
            anyChannel = true;
            requirePin(facts, out, Severity::Warning, name, functions[at], *u.channels[at],
                       "converts channel " + std::to_string(ch));
        }
        if (!anyChannel)
            out.add(Severity::Warning, name, u.enableBox->name(), name + " is on but selects no channel",
                    "select the channels to convert");
        if (u.globalDone->checked())
            requireSource(facts, out, name, device().board.sourceOf(name), *u.globalDone,
                          name + " interrupts on its global DONE");
        else
            for (int ch = 0; ch < kChannelCount; ++ch)
                if (u.interrupts[static_cast<std::size_t>(ch)]->checked()) {
                    requireSource(facts, out, name, device().board.sourceOf(name),
                                  *u.interrupts[static_cast<std::size_t>(ch)],
                                  name + " interrupts on channel " + std::to_string(ch));
                    break;
                }
    }
}

} // namespace regforge::periph::adc
