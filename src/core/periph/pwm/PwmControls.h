#pragma once

#include "periph/PageTab.h"

#include <array>
#include <string>

namespace regforge::periph::pwm {

// The page's tab and whether the shared clock bar shows on it.
inline constexpr PageTab kTab{"TabSheet5", "PWM", true, &commonDividerForCounters};

// PWM0 and PWM1. The page and the generator find a unit's register controls by tag alone:
// tag = the unit's base + the field's offset.
inline constexpr int kPwmCount = 2;

constexpr int tagBase(int unit) {
    return 700 + 100 * unit;
}

// Field offsets within a unit's hundred tags.
inline constexpr int kMatchControlOffset = 0;    // + match m: MCR boxes of MRm (three per match)
inline constexpr int kCaptureControlOffset = 10; // + capture c: CCR boxes of CAPc (three per capture)
inline constexpr int kDoubleEdgeOffset = 20;     // + output n (2..6): double-edge select
inline constexpr int kOutputEnableOffset = 30;   // + output n (1..6): output enable
inline constexpr int kCounterOffset = 50;        // TC edit
inline constexpr int kPrescaleOffset = 51;       // PR edit
inline constexpr int kMatchRegisterOffset = 53;  // + m: MRm edit
inline constexpr int kCounterEnableOffset = 60;  // TCR bit 0
inline constexpr int kCounterResetOffset = 61;   // TCR bit 1
inline constexpr int kPwmModeOffset = 62;        // TCR bit 3
inline constexpr int kModeOffset = 63;           // CTCR bits 1..0
inline constexpr int kCountInputOffset = 64;     // CTCR bits 3..2
inline constexpr int kEnableBoxOffset = 99;

// The two radio buttons that choose the unit shown.
inline constexpr int kShowPwm0Tag = 78;
inline constexpr int kShowPwm1Tag = 79;

inline constexpr int kMatchCount = 7;
inline constexpr int kCaptureCount = 2;
inline constexpr int kOutputCount = 6;
// PCR: PWMSELn (double edge) is bit n of outputs 2..6, PWMENAn (output enable) bit n + 8.
constexpr int doubleEdgeBit(int output) {
    return output;
}
constexpr int outputEnableBit(int output) {
    return output + 8;
}

// Check box names per unit. The MCR row is listed by register bit (0..20), the CCR row by
// register bit (0..5).
using MatchBoxNames = std::array<const char*, 3 * kMatchCount>;
inline constexpr std::array<MatchBoxNames, kPwmCount> kMatchControlBoxes = {{
    {"CheckBox141", "CheckBox140", "CheckBox139", "CheckBox142", "CheckBox143", "CheckBox144", "CheckBox147",
     "CheckBox146", "CheckBox145", "CheckBox148", "CheckBox149", "CheckBox150", "CheckBox179", "CheckBox178",
     "CheckBox177", "CheckBox174", "CheckBox175", "CheckBox176", "CheckBox173", "CheckBox172", "CheckBox171"},
    {"CheckBox189", "CheckBox188", "CheckBox187", "CheckBox190", "CheckBox191", "CheckBox192", "CheckBox195",
     "CheckBox194", "CheckBox193", "CheckBox196", "CheckBox197", "CheckBox198", "CheckBox219", "CheckBox218",
     "CheckBox217", "CheckBox214", "CheckBox215", "CheckBox216", "CheckBox213", "CheckBox212", "CheckBox211"},
}};
using CaptureBoxNames = std::array<const char*, 3 * kCaptureCount>;
inline constexpr std::array<CaptureBoxNames, kPwmCount> kCaptureControlBoxes = {{
    {"CheckBox155", "CheckBox156", "CheckBox157", "CheckBox154", "CheckBox153", "CheckBox152"},
    {"CheckBox203", "CheckBox204", "CheckBox205", "CheckBox202", "CheckBox201", "CheckBox200"},
}};
// Row labels "CCRu.0:" and "CCRu.1:", shown and hidden with their capture rows.
inline constexpr std::array<std::array<const char*, kCaptureCount>, kPwmCount> kCaptureRowLabels = {{
    {"Label127", "Label122"},
    {"Label168", "Label166"},
}};

// What each output does, by whether its double-edge select is checked. Output 1 has no
// double-edge mode.
struct OutputTexts {
    const char* doubleEdge;
    const char* singleEdge;
};
inline constexpr std::array<OutputTexts, kOutputCount> kOutputTexts = {{
    {nullptr, "PWM1: Single edge, set by MR0, reset by MR1"},
    {"PWM2: Double edge, set by MR1, reset by MR2", "PWM2: Single edge, set by MR0, reset by MR2"},
    {"PWM3: Double edge, set by MR2, reset by MR3", "PWM3: Single edge, set by MR0, reset by MR3"},
    {"PWM4: Double edge, set by MR3, reset by MR4", "PWM4: Single edge, set by MR0, reset by MR4"},
    {"PWM5: Double edge, set by MR4, reset by MR5", "PWM5: Single edge, set by MR0, reset by MR5"},
    {"PWM6: Double edge, set by MR5, reset by MR6", "PWM6: Single edge, set by MR0, reset by MR6"},
}};

inline constexpr const char* kShowPwm0Name = "ShowPWM0RadioButton";
inline constexpr const char* kShowPwm1Name = "ShowPWM1RadioButton";
inline constexpr const char* kPwm1PanelName = "PanelPWM1";

// Names around the unit digit: prefix + u + suffix ("PWM0PR", "pwm1clk").
inline std::string pwmName(const char* prefix, int unit, const char* suffix) {
    return std::string(prefix).append(std::to_string(unit)).append(suffix);
}
// Names that follow "PWM" and the unit digit: "PWM" + u + suffix ("PWM0PR", "PWM1_checkbox").
inline std::string pwmControl(int unit, const char* suffix) {
    return pwmName("PWM", unit, suffix);
}
// Names of output n (1..6): "PWM" + u + n + suffix ("PWM02EdgeCheckBox", "PWM16label").
inline std::string outputControl(int unit, int output, const char* suffix) {
    return pwmControl(unit, "").append(std::to_string(output)).append(suffix);
}
inline std::string enableBoxName(int unit) {
    return pwmControl(unit, "_checkbox");
}
inline std::string groupBoxName(int unit) {
    return pwmName("pwm", unit, "_groupBox");
}
inline std::string coverPanelName(int unit) {
    return pwmControl(unit, "_panel");
}
// PWM1's counter edit kept the name the window gave it first.
inline std::string counterEditName(int unit) {
    return unit == 0 ? "PWM0TC" : "MivoEdit1";
}
inline std::string prescaleEditName(int unit) {
    return pwmControl(unit, "PR");
}
inline std::string matchEditName(int unit, int match) {
    return pwmControl(unit, "MR").append(std::to_string(match));
}
inline std::string counterEnableName(int unit) {
    return pwmControl(unit, "TCR_EnCounter");
}
inline std::string counterResetName(int unit) {
    return pwmControl(unit, "TCR_Reset");
}
inline std::string pwmModeName(int unit) {
    return pwmControl(unit, "TCR_EnPWM");
}
inline std::string modeComboName(int unit) {
    return pwmControl(unit, "CTCR10");
}
inline std::string countInputComboName(int unit) {
    return pwmControl(unit, "CTCR32");
}
inline std::string doubleEdgeBoxName(int unit, int output) {
    return outputControl(unit, output, "EdgeCheckBox");
}
inline std::string outputEnableBoxName(int unit, int output) {
    return outputControl(unit, output, "EnableCheckBox");
}
inline std::string outputLabelName(int unit, int output) {
    return outputControl(unit, output, "label");
}
inline std::string clockLabelName(int unit) {
    return pwmName("pwm", unit, "clk");
}
inline std::string tickLabelName(int unit) {
    return pwmName("pwm", unit, "tick");
}
inline std::string frequencyLabelName(int unit) {
    return pwmName("pwm", unit, "frequency");
}
// Each enabled output's duty cycle and pulse width, one line per output.
inline std::string pulseFiguresLabelName(int unit) {
    return pwmName("pwm", unit, "_pulseFigures");
}
inline std::string hintLabelName(int unit) {
    return pwmName("pwm", unit, "_hintLabel");
}
inline std::string clockPanelName(int unit) {
    return pwmName("pwm", unit, "pclk_panel");
}
inline std::string clockDividerName(int unit) {
    return pwmControl(unit, "pclk_div");
}
inline std::string clockEditName(int unit) {
    return pwmControl(unit, "pclock_edit");
}

} // namespace regforge::periph::pwm
