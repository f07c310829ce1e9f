#pragma once

#include "periph/clock/ClockFacts.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::clock {

// One register the peripheral dividers write: its value and which divisor each field holds.
struct DividerWrite {
    std::string registerName;
    std::uint32_t value = 0;
    // "TIMER0 / 1", "common / 4", in field order.
    std::vector<std::string> fields;
};

// The divisor a unit's own divider selects; nullopt where the unit runs from the common divider.
using UnitDivisor = std::function<std::optional<int>(const std::string& unit)>;

// The divider registers for the common divisor and the units' own ones, in the order the profile
// names the registers first. Fields of a register no line names keep 0 (their reset value).
// Throws regforge::Error naming the unit when a divisor has no code in PCLKCODE.
std::vector<DividerWrite> dividerWrites(const ClockFacts& facts, int commonDivisor, const UnitDivisor& own);

// The divisor of a divider item ("1/4" -> 4); nullopt for any other text.
std::optional<int> divisorOf(const std::string& item);

} // namespace regforge::periph::clock
