// The Timers page's part of the problems list: match outputs and capture inputs without their
// pins, pins routed to a timer that is off, and match or capture interrupts without a handler.
#include "periph/UnitProblems.h"
#include "periph/timer/TimerPage.h"

namespace regforge::periph::timer {

namespace {

std::string unitName(int timer) {
    return "TIMER" + std::to_string(timer);
}

// "MAT0.1" on most parts, "CT32B0_MAT1" on the LPC13xx; empty when the device offers neither.
std::string pinFunction(const SetupFacts& facts, int timer, const char* kind, int index) {
    const std::string k = std::to_string(index);
    return offeredFunction(
        facts, {std::string(kind) + std::to_string(timer) + "." + k,
                std::string(kCounterNames13xx[static_cast<std::size_t>(timer)]) + "_" + kind + k});
}

bool enablesInterrupt(const TimerUnit& tm) {
    for (int m = 0; m < kMatchCount; ++m)
        if (tm.matchBoxes(m)[0]->checked())
            return true;
    for (int c = 0; c < kCaptureCount; ++c)
        if (tm.captureBoxes(c)[2]->checked())
            return true;
    return false;
}

} // namespace

void TimerPage::describeSetup(SetupFacts& facts) const {
    for (int t = 0; t < kTimerCount; ++t) {
        const TimerUnit& tm = unit(t);
        if (!tm.enableBox->visible())
            continue;
        facts.interrupts.push_back({unitName(t), device().board.sourceOf(unitName(t)),
                                    tm.enableBox->checked(), enablesInterrupt(tm)});
    }
}

void TimerPage::reportProblems(const SetupFacts& facts, ProblemList& out) const {
    for (int t = 0; t < kTimerCount; ++t) {
        const TimerUnit& tm = unit(t);
        if (!tm.enableBox->visible())
            continue;
        const std::string name = "Timer" + std::to_string(t);
        std::vector<std::string> functions;
        for (int k = 0; k < 4; ++k)
            functions.push_back(pinFunction(facts, t, "MAT", k));
        for (int c = 0; c < kCaptureCount; ++c)
            functions.push_back(pinFunction(facts, t, "CAP", c));
        if (!tm.enableBox->checked()) {
            reportPinsOfUnitOff(facts, out, name, functions, *tm.enableBox);
            continue;
        }
        for (int k = 0; k < 4; ++k) {
            const auto at = static_cast<std::size_t>(k);
            const bool drives =
                (tm.externalMatchBoxes[at]->checked() && tm.matchActions[at]->itemIndex() != 0) ||
                (tm.hasPwmMode() && tm.pwmModeBoxes[at]->checked());
            if (drives)
                requirePin(facts, out, Severity::Warning, name, functions[at], *tm.matchActions[at],
                           "drives match output " + std::to_string(k));
        }
        const bool counting = tm.mode->itemIndex() != 0;
        for (int c = 0; c < kCaptureCount; ++c) {
            if (!tm.captureRowLabels[static_cast<std::size_t>(c)]->visible())
                continue;
            const auto boxes = tm.captureBoxes(c);
            const bool counted = counting && tm.countInput->itemIndex() == c;
            if (boxes[0]->checked() || boxes[1]->checked() || counted)
                requirePin(facts, out, Severity::Warning, name, functions[static_cast<std::size_t>(4 + c)],
                           counted ? static_cast<const model::Control&>(*tm.countInput) : *boxes[0],
                           counted ? "counts capture input " + std::to_string(c)
                                   : "captures on input " + std::to_string(c));
        }
        for (int m = 0; m < kMatchCount; ++m)
            if (tm.matchBoxes(m)[0]->checked()) {
                requireSource(facts, out, name, device().board.sourceOf(unitName(t)), *tm.matchBoxes(m)[0],
                              name + " interrupts on MR" + std::to_string(m));
                break;
            }
        for (int c = 0; c < kCaptureCount; ++c)
            if (tm.captureBoxes(c)[2]->checked()) {
                requireSource(facts, out, name, device().board.sourceOf(unitName(t)), *tm.captureBoxes(c)[2],
                              name + " interrupts on CAP" + std::to_string(c));
                break;
            }
    }
}

} // namespace regforge::periph::timer
