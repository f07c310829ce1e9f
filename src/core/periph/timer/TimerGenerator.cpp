#include "periph/timer/TimerGenerator.h"

#include "model/BitString.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/RegisterLines.h"
#include "periph/timer/TimerControls.h"
#include "periph/timer/TimerSections.h"
#include "profile/ProfileSections.h"
#include "profile/RegisterNames.h"

#include <array>
#include <string>
#include <vector>

namespace regforge::periph::timer {

namespace {

// The registers of one timer as bit strings, most significant bit first.
struct TimerRegisters {
    explicit TimerRegisters(bool is32Bit) : tc(is32Bit ? 32 : 16, '0'), pr(tc), mr{tc, tc, tc, tc} {}

    std::string tcr = std::string(8, '0');
    std::string ctcr = std::string(8, '0');
    std::string tc;
    std::string pr;
    std::string mcr = std::string(16, '0');
    std::array<std::string, 4> mr;
    std::string ccr = std::string(16, '0');
    std::string emr = std::string(16, '0');
    std::string pwmControl = std::string(32, '0');
};

TimerRegisters composeRegisters(const TimerUnit& tm, bool hasPwmMode) {
    TimerRegisters regs(tm.is32Bit());
    const std::size_t countWidth = regs.tc.size();
    if (tm.counterEnable->checked())
        model::setBit(regs.tcr, 0, true);
    if (tm.counterReset->checked())
        model::setBit(regs.tcr, 1, true);
    model::setTwoBits(regs.ctcr, positionOf(1, regs.ctcr.size()), tm.mode->itemIndex());
    // Kept even in timer mode: the count input last chosen stays in the register.
    model::setTwoBits(regs.ctcr, positionOf(3, regs.ctcr.size()), tm.countInput->itemIndex());
    setCheckedBits(regs.mcr, tm.matchControlBoxes);
    setCheckedBits(regs.ccr, tm.captureControlBoxes);
    setCheckedBits(regs.emr, tm.externalMatchBoxes);
    // EMCk sits in EMR bits 2k+5..2k+4, written whether or not EMk is checked.
    for (int k = 0; k < 4; ++k)
        model::setTwoBits(regs.emr, positionOf(2 * k + 5, regs.emr.size()),
                          tm.matchActions[static_cast<std::size_t>(k)]->itemIndex());
    if (hasPwmMode)
        setCheckedBits(regs.pwmControl, tm.pwmModeBoxes);
    regs.tc = countRegister(*tm.counter, countWidth);
    regs.pr = countRegister(*tm.prescale, countWidth);
    for (int m = 0; m < kMatchCount; ++m)
        regs.mr[static_cast<std::size_t>(m)] =
            countRegister(*tm.matchRegisters[static_cast<std::size_t>(m)], countWidth);
    return regs;
}

std::string outputLine(const TimerRegisters& regs, const std::string& t, int k, bool hasPwmMode) {
    std::string line;
    const std::string output = "   MAT" + t + "." + std::to_string(k);
    if (bitIsSet(regs.emr, k)) {
        const int action = model::getTwoBits(regs.emr, positionOf(2 * k + 5, regs.emr.size()));
        line += output + " : On compare match " + kMatchActionTexts[static_cast<std::size_t>(action)];
    }
    if (hasPwmMode && bitIsSet(regs.pwmControl, k))
        line += output + ": PWM controlled";
    return line;
}

} // namespace

void TimerGenerator::generate(int timer, const TimerUnit& tm, const model::NumericEdit& clock,
                              ResultLists& lists) const {
    const std::string t = std::to_string(timer);
    const bool is32Bit = tm.is32Bit();
    const bool hasPwmMode = tm.hasPwmMode();
    const TimerRegisters regs = composeRegisters(tm, hasPwmMode);
    const auto index = static_cast<std::size_t>(timer);

    // Collected whole before anything is appended: a register that cannot be written
    // leaves the lists as they were.
    std::vector<std::string> out;
    out.push_back(std::string(1, '/').append(78, '*'));
    std::string title = std::string(33, ' ') + "Timer" + t;
    if (device_.deviceFamily == "13xx")
        title += std::string("(") + kCounterNames13xx.at(index) + ")";
    title += is32Bit ? " (32bit)" : " (16bit)";
    out.push_back(title);
    out.push_back(std::string(79, '*'));
    out.push_back(std::string(bitIsSet(regs.tcr, 0) ? "   Counter Enabled" : "   Counter Disabled") +
                  ",    Counter Reset=" + (bitIsSet(regs.tcr, 1) ? "1" : "0"));

    const auto& mode = *tm.mode;
    const auto& countInput = *tm.countInput;
    std::string modeLine = "   ";
    modeLine += mode.text();
    if (countInput.enabled())
        modeLine.append(1, ' ').append(countInput.text());
    out.push_back(modeLine);

    std::string figures = "   ";
    figures += tm.counterClock.clockCaption() + ", " + tm.counterClock.tickCaption();
    if (mode.itemIndex() == 0)
        figures += "  (calculated with peripheral clock: " + clock.text() + "MHz)";
    out.push_back(figures);

    for (int m = 0; m < kMatchCount; ++m)
        if (auto line = matchControlLine(regs.mcr, t, m); !line.empty())
            out.push_back(std::move(line));
    for (int c = 0; c < kCaptureCount; ++c)
        if (auto line = captureControlLine(regs.ccr, t, c); !line.empty())
            out.push_back(std::move(line));
    for (int k = 0; k < 4; ++k)
        if (auto line = outputLine(regs, t, k, hasPwmMode); !line.empty())
            out.push_back(std::move(line));
    out.push_back("*/");

    // The profile's power/clock statement for this timer; a header on the profile's last
    // line has no statement to copy.
    const auto& profileLines = device_.profileLines;
    const int init = profile::findSection(profileLines, timerInitSection(timer));
    if (init >= 0 && static_cast<std::size_t>(init) + 1 < profileLines.size())
        out.push_back(profileLines[static_cast<std::size_t>(init) + 1]);

    const std::string prefix = device_.cortexM3 ? "LPC_TIM" + t + "->" : "T" + t;
    const auto assign = [&](const char* name) { return prefix + name + " = "; };
    out.push_back(registerLine(assign("CTCR"), regs.ctcr, true));
    out.push_back(registerLine(assign("TC"), regs.tc, false));
    out.push_back(registerLine(assign("PR"), regs.pr, false));
    out.push_back(registerLine(assign("MCR"), regs.mcr, true));
    for (int m = 0; m < kMatchCount; ++m) {
        const std::string name = "MR" + std::to_string(m);
        out.push_back(registerLine(assign(name.c_str()), regs.mr[static_cast<std::size_t>(m)], false));
    }
    out.push_back(registerLine(assign("CCR"), regs.ccr, true));
    out.push_back(registerLine(assign("EMR"), regs.emr, true));
    // A timer with PWM mode gets its PWM control register, or the outputs the comment calls
    // PWM controlled would stay plain match outputs. The Cortex-M3 parts with timer PWM mode
    // (LPC13xx) name it PWMC in the timer structure.
    if (hasPwmMode)
        out.push_back(registerLine(
            device_.cortexM3
                ? assign("PWMC")
                : profile::RegisterNames::fromProfile(device_.profileLines)("PWM" + t + "CON") + " = ",
            regs.pwmControl, true));
    out.push_back(registerLine(assign("TCR"), regs.tcr, true));
    out.emplace_back();
    lists.mainLines.insert(lists.mainLines.end(), out.begin(), out.end());
}

} // namespace regforge::periph::timer
