#pragma once

#include "profile/SectionRules.h"

#include <string>

namespace regforge::periph::timer {

// "[TIMERn]" holds three lines: the width ("16bit", else 32 bit), "NOPWM" for a timer without
// PWM mode (else anything) and the number of capture inputs. "[TIMERn_INIT]" holds the power/clock
// line of the code.
inline std::string timerSection(int timer) {
    return "[TIMER" + std::to_string(timer) + "]";
}
inline std::string timerInitSection(int timer) {
    return "[TIMER" + std::to_string(timer) + "_INIT]";
}
inline constexpr std::size_t kTimerSectionLines = 3;
inline constexpr const char* kSixteenBitMarker = "16bit";
inline constexpr const char* kNoPwmMarker = "NOPWM";
// No LPC timer has more than four capture inputs. The load takes up to 255 (a profile asking for
// vastly more is malformed, and filling millions of count-input items would stall it); the check
// names any count above four.
inline constexpr int kCheckedCaptureInputs = 4;
inline constexpr int kMostCaptureInputs = 255;

// The timer sections and their line grammar.
profile::SectionDescription timerSections();

} // namespace regforge::periph::timer
