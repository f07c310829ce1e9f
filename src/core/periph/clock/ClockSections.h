#pragma once

#include "periph/clock/ClockFacts.h"
#include "profile/ProfileSections.h"
#include "profile/SectionRules.h"

#include <optional>
#include <string>

namespace regforge::periph::clock {

inline constexpr const char* kClocksSection = "[CLOCKS]";

// "1,2-256/2" -> 1, 2, 4, ..., 256. Nullopt for anything else (a descending range, a zero
// step, a value out of 1..1000000, more values than a divider can have).
std::optional<ValueList> parseValueList(const std::string& text);

// What is wrong with one line of [CLOCKS], if anything (an unknown key, a value not in its key's
// form); the loader and the profile check share it.
std::optional<std::string> clockLineProblem(const std::string& line);

// [CLOCKS] and its grammar, for the page's loader and the profile check.
profile::SectionDescription clockSections();

// The device's clock facts; nullopt when the profile has no [CLOCKS]. Throws
// profile::ProfileError naming the section and the line of the first bad line, or the key a
// complete section needs and lacks.
std::optional<ClockFacts> readClockFacts(const profile::Lines& profileLines);

} // namespace regforge::periph::clock
