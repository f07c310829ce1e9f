#include "periph/pwm/PwmGenerator.h"

#include "model/BitString.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumberText.h"
#include "model/NumericEdit.h"
#include "periph/pwm/PwmControls.h"
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

// The 1-based bit-string position of register bit `bit` in a value `width` bits wide.
int positionOf(int bit, std::size_t width) {
    return static_cast<int>(width) - bit;
}

bool bitIsSet(const std::string& bits, int bit) {
    return bits[bits.size() - 1 - static_cast<std::size_t>(bit)] == '1';
}

// A check box's caption is the register bit it sets.
void setCaptionBit(std::string& bits, const model::Control& box) {
    const auto bit = model::parseInt32(box.caption());
    model::setBit(bits, bit.value_or(-1), true);
}

// A counter, prescaler or match edit as a 32-bit register. The edit's read text is its
// hexadecimal digits; digits typed short of eight (or none at all) stand for the same number
// with leading zeros, so the register keeps its width.
std::string countRegister(const model::NumericEdit& edit) {
    std::string bits;
    try {
        bits = model::hexToBits(edit.text());
    } catch (const model::BitStringError&) {
        throw model::BitStringError(edit.name() + " holds \"" + edit.text() + "\", no hexadecimal number");
    }
    if (bits.size() < kCountWidth)
        bits.insert(0, kCountWidth - bits.size(), '0');
    return bits;
}

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
    for (const model::CheckBox* box : pu.matchControlBoxes)
        if (box->checked())
            setCaptionBit(regs.mcr, *box);
    for (const model::CheckBox* box : pu.captureControlBoxes)
        if (box->checked())
            setCaptionBit(regs.ccr, *box);
    for (const auto& boxes : {pu.doubleEdgeBoxes, pu.outputEnableBoxes})
        for (const model::CheckBox* box : boxes)
            if (box != nullptr && box->checked())
                setCaptionBit(regs.pcr, *box);
    regs.tc = countRegister(*pu.counter);
    regs.pr = countRegister(*pu.prescale);
    for (int m = 0; m < kMatchCount; ++m)
        regs.mr[static_cast<std::size_t>(m)] = countRegister(*pu.matchRegisters[static_cast<std::size_t>(m)]);
    return regs;
}

std::string matchLine(const PwmRegisters& regs, const std::string& u, int m) {
    const bool interrupt = bitIsSet(regs.mcr, 3 * m);
    const bool reset = bitIsSet(regs.mcr, 3 * m + 1);
    const bool stop = bitIsSet(regs.mcr, 3 * m + 2);
    if (!interrupt && !reset && !stop)
        return {};
    std::string line = "   MCR" + u + "." + std::to_string(m) + " : ";
    if (reset)
        line += "reset, ";
    if (stop)
        line += "stop, ";
    if (interrupt)
        line += "generate interrupt ";
    return line + "on compare match";
}

std::string captureLine(const PwmRegisters& regs, const std::string& u, int c) {
    const bool rising = bitIsSet(regs.ccr, 3 * c);
    const bool falling = bitIsSet(regs.ccr, 3 * c + 1);
    const bool interrupt = bitIsSet(regs.ccr, 3 * c + 2);
    if (!rising && !falling && !interrupt)
        return {};
    std::string line = "   CCR" + u + "." + std::to_string(c) + " : ";
    if (rising)
        line += "capture on rising edge, ";
    if (falling)
        line += "capture on falling edge, ";
    if (interrupt)
        line += "generate interrupt on capture event, ";
    return line;
}

std::string registerLine(const std::string& name, const std::string& bits, bool binary) {
    return name + " = " + model::bitsToHex(bits) + ";     /* " +
           (binary ? model::bitsToBinaryText(bits) : model::bitsToDecimalText(bits)) + " */";
}

} // namespace

void PwmGenerator::generate(int unit, const PwmUnit& pu, const model::NumericEdit& clock,
                            ResultLists& lists) const {
    const std::string digit = std::to_string(unit);
    // Devices with a single PWM unit name its registers without a digit ("PWMMR0").
    const std::string number = profile::hasSection(device_.profileLines, "[NOPWMNUMBER]") ? "" : digit;
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
    figures += pu.clockLabel->caption() + ", " + pu.tickLabel->caption();
    if (pu.mode->itemIndex() == 0)
        figures += "  (calculated with peripheral clock: " + clock.text() + "MHz)";
    out.push_back(figures);

    for (int m = 0; m < kMatchCount; ++m)
        if (auto line = matchLine(regs, digit, m); !line.empty())
            out.push_back(std::move(line));
    for (int c = 0; c < kCaptureCount; ++c)
        if (auto line = captureLine(regs, digit, c); !line.empty())
            out.push_back(std::move(line));
    if (bitIsSet(regs.tcr, 3)) {
        out.push_back("   " + pu.frequencyLabel->caption());
        for (const model::Control* label : pu.outputLabels)
            out.push_back("   " + label->caption());
    }
    out.push_back("*/");

    // The profile's power/clock statement for this unit; a header on the profile's last line
    // has no statement to copy.
    const auto& profileLines = device_.profileLines;
    const int init = profile::findSection(profileLines, "[PWM" + digit + "_INIT]");
    if (init >= 0 && static_cast<std::size_t>(init) + 1 < profileLines.size())
        out.push_back(profileLines[static_cast<std::size_t>(init) + 1]);

    const std::string prefix = device_.cortexM3 ? "LPC_PWM" + number + "->" : "PWM" + number;
    const auto name = [&](const std::string& reg) { return prefix + reg; };
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
