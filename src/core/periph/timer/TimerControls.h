#pragma once

#include "periph/PageTab.h"

#include <array>
#include <string>

namespace regforge::periph::timer {

// The page's tab and whether the shared clock bar shows on it.
inline constexpr PageTab kTab{"TabSheet4", "Timers", true, &commonDividerForCounters};

// Timer0..Timer3. The page and the generator find a timer's register controls by tag alone:
// tag = the timer's base + the field's offset.
inline constexpr int kTimerCount = 4;

constexpr int tagBase(int timer) {
    return 300 + 100 * timer;
}

// Field offsets within a timer's hundred tags.
inline constexpr int kMatchControlOffset = 0;    // + match m: MCR boxes of MRm (three per match)
inline constexpr int kCaptureControlOffset = 10; // + capture c: CCR boxes of CAPc (three per capture)
inline constexpr int kExternalMatchOffset = 20;  // + output k: EMk box
inline constexpr int kPwmModeOffset = 30;        // + output k: PWM-mode box of MATk
inline constexpr int kMatchActionOffset = 40;    // + output k: EMCk combo
inline constexpr int kCounterOffset = 50;        // TC edit
inline constexpr int kPrescaleOffset = 51;       // PR edit
inline constexpr int kMatchRegisterOffset = 53;  // + m: MRm edit
inline constexpr int kCounterEnableOffset = 57;  // TCR bit 0
inline constexpr int kCounterResetOffset = 58;   // TCR bit 1
inline constexpr int kModeOffset = 59;           // CTCR bits 1..0
inline constexpr int kCountInputOffset = 60;     // CTCR bits 3..2
inline constexpr int kEnableBoxOffset = 99;

inline constexpr int kMatchCount = 4;
inline constexpr int kCaptureCount = 4;

// Check box names per timer. The MCR and CCR rows are listed by register bit (0..11).
using BoxNames = std::array<const char*, 12>;
inline constexpr std::array<BoxNames, kTimerCount> kMatchControlBoxes = {{
    {"CheckBox4", "CheckBox3", "CheckBox2", "CheckBox5", "CheckBox6", "CheckBox7", "CheckBox11", "CheckBox10",
     "CheckBox8", "CheckBox12", "CheckBox13", "CheckBox14"},
    {"CheckBox40", "CheckBox39", "CheckBox38", "CheckBox41", "CheckBox42", "CheckBox43", "CheckBox46",
     "CheckBox45", "CheckBox44", "CheckBox47", "CheckBox48", "CheckBox49"},
    {"CheckBox109", "CheckBox108", "CheckBox107", "CheckBox110", "CheckBox111", "CheckBox112", "CheckBox115",
     "CheckBox114", "CheckBox113", "CheckBox116", "CheckBox117", "CheckBox118"},
    {"CheckBox74", "CheckBox73", "CheckBox72", "CheckBox75", "CheckBox76", "CheckBox77", "CheckBox80",
     "CheckBox79", "CheckBox78", "CheckBox81", "CheckBox82", "CheckBox83"},
}};
inline constexpr std::array<BoxNames, kTimerCount> kCaptureControlBoxes = {{
    {"CheckBox19", "CheckBox21", "CheckBox22", "CheckBox18", "CheckBox17", "CheckBox16", "CheckBox26",
     "CheckBox27", "CheckBox15", "CheckBox25", "CheckBox24", "CheckBox23"},
    {"CheckBox54", "CheckBox55", "CheckBox56", "CheckBox53", "CheckBox52", "CheckBox51", "CheckBox60",
     "CheckBox61", "CheckBox50", "CheckBox59", "CheckBox58", "CheckBox57"},
    {"CheckBox123", "CheckBox124", "CheckBox125", "CheckBox122", "CheckBox121", "CheckBox120", "CheckBox129",
     "CheckBox130", "CheckBox119", "CheckBox128", "CheckBox127", "CheckBox126"},
    {"CheckBox88", "CheckBox89", "CheckBox90", "CheckBox87", "CheckBox86", "CheckBox85", "CheckBox94",
     "CheckBox95", "CheckBox84", "CheckBox93", "CheckBox92", "CheckBox91"},
}};

using OutputNames = std::array<const char*, 4>;
inline constexpr std::array<OutputNames, kTimerCount> kExternalMatchBoxes = {{
    {"CheckBox28", "CheckBox29", "CheckBox30", "CheckBox31"},
    {"CheckBox62", "CheckBox63", "CheckBox64", "CheckBox65"},
    {"CheckBox131", "CheckBox132", "CheckBox133", "CheckBox134"},
    {"CheckBox96", "CheckBox97", "CheckBox98", "CheckBox99"},
}};
inline constexpr std::array<OutputNames, kTimerCount> kPwmModeBoxes = {{
    {"CheckBox32", "CheckBox33", "CheckBox34", "CheckBox35"},
    {"CheckBox66", "CheckBox67", "CheckBox68", "CheckBox69"},
    {"CheckBox135", "CheckBox136", "CheckBox137", "CheckBox138"},
    {"CheckBox100", "CheckBox101", "CheckBox102", "CheckBox103"},
}};
inline constexpr std::array<const char*, kTimerCount> kCounterEnableBoxes = {"CheckBox9", "CheckBox36",
                                                                             "CheckBox105", "CheckBox70"};
inline constexpr std::array<const char*, kTimerCount> kCounterResetBoxes = {"CheckBox1", "CheckBox37",
                                                                            "CheckBox106", "CheckBox71"};

// Row labels "CCRt.0:" .. "CCRt.3:", shown and hidden with their capture rows.
inline constexpr std::array<OutputNames, kTimerCount> kCaptureRowLabels = {{
    {"Label40", "Label34", "Label39", "Label33"},
    {"Label56", "Label54", "Label55", "Label53"},
    {"Label104", "Label102", "Label103", "Label101"},
    {"Label79", "Label77", "Label78", "Label76"},
}};
// The "PWM mode" labels beside the PWM-mode boxes.
inline constexpr std::array<OutputNames, kTimerCount> kPwmModeLabels = {{
    {"Label45", "Label46", "Label47", "Label48"},
    {"Label68", "Label69", "Label70", "Label71"},
    {"Label116", "Label117", "Label118", "Label119"},
    {"Label91", "Label92", "Label93", "Label94"},
}};

// The LPC13xx counters behind Timer0..Timer3.
inline constexpr std::array<const char*, kTimerCount> kCounterNames13xx = {"CT32B0", "CT32B1", "CT16B0",
                                                                           "CT16B1"};
// The width each LPC13xx counter has; only that width names the counter on the page.
inline constexpr std::array<bool, kTimerCount> kCounter13xxIs32Bit = {true, true, false, false};

// The EMCk values 0..3 as the combos and the comment block name them.
inline constexpr std::array<const char*, 4> kMatchActionTexts = {"Do nothing", "Clear bit/output",
                                                                 "Set bit/output", "Toggle bit/output"};

// Names around the timer digit: prefix + t + suffix ("T0TC", "timer2clk").
inline std::string timerName(const char* prefix, int timer, const char* suffix) {
    return std::string(prefix).append(std::to_string(timer)).append(suffix);
}
// Names that follow the timer digit: "T" + t + suffix ("T0TC", "T2_checkbox").
inline std::string timerControl(int timer, const char* suffix) {
    return timerName("T", timer, suffix);
}
inline std::string enableBoxName(int timer) {
    return timerControl(timer, "_checkbox");
}
inline std::string groupBoxName(int timer) {
    return timerControl(timer, "_groupBox");
}
inline std::string coverPanelName(int timer) {
    return timerControl(timer, "_panel");
}
inline std::string counterEditName(int timer) {
    return timerControl(timer, "TC");
}
inline std::string prescaleEditName(int timer) {
    return timerControl(timer, "PR");
}
inline std::string modeComboName(int timer) {
    return timerControl(timer, "CTCR10");
}
inline std::string countInputComboName(int timer) {
    return timerControl(timer, "CTCR32");
}
inline std::string clockLabelName(int timer) {
    return timerName("timer", timer, "clk");
}
inline std::string tickLabelName(int timer) {
    return timerName("timer", timer, "tick");
}
// How often each match register in use matches, one line per register.
inline std::string matchFiguresLabelName(int timer) {
    return timerName("timer", timer, "_matchFigures");
}
inline std::string hintLabelName(int timer) {
    return timerName("timer", timer, "_hintLabel");
}

} // namespace regforge::periph::timer
