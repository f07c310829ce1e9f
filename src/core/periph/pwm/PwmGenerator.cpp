#include "periph/pwm/PwmGenerator.h"

#include "model/BitString.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/RegisterLines.h"
#include "periph/pwm/PwmControls.h"
#include "periph/pwm/PwmSections.h"
#include "profile/ProfileSections.h"

#include <array>
#include <string>
#include <vector>

namespace regforge::periph::pwm {

namespace {

constexpr std::size_t kCountWidth = 32;

// The registers of one unit as bit strings, most significant bit first.
struct PwmRegisters {
    std::string tcr = std::string(8, '0');
    std::string ctcr = std::string(8, '0');
    std::string tc = std::string(kCountWidth, '0');
    std::string pr = tc;
    std::string mcr = std::string(32, '0');
    std::array<std::string, kMatchCount> mr{tc, tc, tc, tc, tc, tc, tc};
    std::string ccr = std::string(32, '0');
    std::string pcr = std::string(32, '0');
};

PwmRegisters composeRegisters(const PwmUnit& pu) {
    PwmRegisters regs;
    if (pu.counterEnable->checked())
        model::setBit(regs.tcr, 0, true);
    if (pu.counterReset->checked())
        model::setBit(regs.tcr, 1, true);
    if (pu.pwmMode->checked())
        model::setBit(regs.tcr, 3, true);
    model::setTwoBits(regs.ctcr, positionOf(1, regs.ctcr.size()), pu.mode->itemIndex());
    // Kept even in timer mode: the count input last chosen stays in the register.
    model::setTwoBits(regs.ctcr, positionOf(3, regs.ctcr.size()), pu.countInput->itemIndex());
    setCheckedBits(regs.mcr, pu.matchControlBoxes);
    setCheckedBits(regs.ccr, pu.captureControlBoxes);
    setCheckedBits(regs.pcr, pu.doubleEdgeBoxes, doubleEdgeBit(1));
    setCheckedBits(regs.pcr, pu.outputEnableBoxes, outputEnableBit(1));
    regs.tc = countRegister(*pu.counter, kCountWidth);
    regs.pr = countRegister(*pu.prescale, kCountWidth);
    for (int m = 0; m < kMatchCount; ++m)
        regs.mr[static_cast<std::size_t>(m)] =
            countRegister(*pu.matchRegisters[static_cast<std::size_t>(m)], kCountWidth);
    return regs;
}

} // namespace

void PwmGenerator::generate(int unit, const PwmUnit& pu, const model::NumericEdit& clock,
                            ResultLists& lists) const {
    const std::string digit = std::to_string(unit);
    // Devices with a single PWM unit name its registers without a digit ("PWMMR0").
    const std::string number = profile::hasSection(device_.profileLines, kNoPwmNumberSection) ? "" : digit;
    const PwmRegisters regs = composeRegisters(pu);
    const bool hasModeCombo = pu.hasModeCombo();

    // Collected whole before anything is appended: a register that cannot be written
    // leaves the lists as they were.
    std::vector<std::string> out;
    out.push_back(std::string(1, '/').append(78, '*'));
    out.push_back(std::string(36, ' ') + "PWM" + number);
    out.push_back(std::string(79, '*'));
    out.push_back(std::string(bitIsSet(regs.tcr, 0) ? "   Counter Enabled" : "   Counter Disabled") +
                  ",    Counter Reset=" + (bitIsSet(regs.tcr, 1) ? "1" : "0") +
                  (bitIsSet(regs.tcr, 3) ? ",    PWM mode enabled" : ",    PWM mode disabled"));

    if (hasModeCombo) {
        std::string modeLine = "   ";
        modeLine += pu.mode->text();
        if (pu.countInput->enabled())
            modeLine.append(1, ' ').append(pu.countInput->text());
        out.push_back(modeLine);
    }

    std::string figures = "   ";
    figures += pu.figures.counter.clockCaption() + ", " + pu.figures.counter.tickCaption();
    if (pu.mode->itemIndex() == 0)
        figures += "  (calculated with peripheral clock: " + clock.text() + "MHz)";
    out.push_back(figures);

    for (int m = 0; m < kMatchCount; ++m)
        if (auto line = matchControlLine(regs.mcr, digit, m); !line.empty())
            out.push_back(std::move(line));
    for (int c = 0; c < kCaptureCount; ++c)
        if (auto line = captureControlLine(regs.ccr, digit, c); !line.empty())
            out.push_back(std::move(line));
    if (bitIsSet(regs.tcr, 3)) {
        out.push_back("   " + pu.figures.frequencyCaption());
        for (const model::Control* label : pu.outputLabels)
            out.push_back("   " + label->caption());
    }
    out.push_back("*/");

    // The profile's power/clock statement for this unit; a header on the profile's last line
    // has no statement to copy.
    const auto& profileLines = device_.profileLines;
    const int init = profile::findSection(profileLines, pwmInitSection(unit));
    if (init >= 0 && static_cast<std::size_t>(init) + 1 < profileLines.size())
        out.push_back(profileLines[static_cast<std::size_t>(init) + 1]);

    const std::string prefix = device_.cortexM3 ? "LPC_PWM" + number + "->" : "PWM" + number;
    const auto name = [&](const std::string& reg) { return prefix + reg + " = "; };
    out.push_back(registerLine(name("TC"), regs.tc, false));
    out.push_back(registerLine(name("PR"), regs.pr, false));
    out.push_back(registerLine(name("MCR"), regs.mcr, true));
    for (int m = 0; m < kMatchCount; ++m)
        out.push_back(
            registerLine(name("MR" + std::to_string(m)), regs.mr[static_cast<std::size_t>(m)], false));
    if (hasModeCombo) {
        out.push_back(registerLine(name("CTCR"), regs.ctcr, true));
        out.push_back(registerLine(name("CCR"), regs.ccr, true));
    }
    out.push_back(registerLine(name("PCR"), regs.pcr, true));
    out.push_back(registerLine(name("TCR"), regs.tcr, true));
    out.emplace_back();
    lists.mainLines.insert(lists.mainLines.end(), out.begin(), out.end());
}

} // namespace regforge::periph::pwm
