#pragma once

#include "profile/SectionRules.h"

#include <string>

namespace regforge::periph::pwm {

// "[PWMn]" holds the number of capture inputs ("0": no counter mode); "[PWMn_INIT]" the
// power/clock line of the code. [NOPWMNUMBER] names the registers of a single unit without its
// digit ("PWMMR0").
inline std::string pwmSection(int unit) {
    return "[PWM" + std::to_string(unit) + "]";
}
inline std::string pwmInitSection(int unit) {
    return "[PWM" + std::to_string(unit) + "_INIT]";
}
inline constexpr const char* kNoPwmNumberSection = "[NOPWMNUMBER]";
// A PWM unit has at most two capture inputs; a profile asking for vastly more is malformed,
// and filling millions of count-input items would stall the load.
inline constexpr int kMostCaptureInputs = 255;

// The PWM sections and their line grammar.
profile::SectionDescription pwmSections();

} // namespace regforge::periph::pwm
