#include "periph/timer/TimerSections.h"

#include "periph/timer/TimerControls.h"
#include "profile/SectionChecker.h"

namespace regforge::periph::timer {

namespace {

std::optional<std::string> timerLineProblem(const std::string& line, std::size_t k) {
    if (k != 2)
        return std::nullopt;
    const auto captures = profile::decimalNumber(line);
    if (captures && *captures <= kCheckedCaptureInputs)
        return std::nullopt;
    return "capture input count " + profile::quoted(line) + " is not a number 0.." +
           std::to_string(kCheckedCaptureInputs);
}

} // namespace

profile::SectionDescription timerSections() {
    profile::SectionDescription description;
    for (int t = 0; t < kTimerCount; ++t)
        description.sections.push_back(profile::SectionRule(timerSection(t))
                                           .withoutEmptyLines()
                                           .takingAtLeast(kTimerSectionLines)
                                           .checkingLines(timerLineProblem));
    for (int t = 0; t < kTimerCount; ++t)
        description.sections.push_back(profile::SectionRule(timerInitSection(t)).takingAtLeast(1));
    return description;
}

} // namespace regforge::periph::timer
