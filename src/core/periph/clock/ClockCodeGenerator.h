#pragma once

#include "periph/clock/ClockFacts.h"
#include "periph/clock/ClockSolver.h"
#include "periph/clock/PeripheralDividers.h"
#include "profile/RegisterNames.h"

#include <string>
#include <vector>

namespace regforge::periph::clock {

// What the clock block is made from: the device's facts, the source, the chosen setting (with its
// USB clock where one is wanted) and the peripheral divider registers.
struct ClockBlockInput {
    const ClockFacts& facts;
    ClockSource source;
    PllSetting setting;
    std::vector<DividerWrite> dividers;
    // The figures the comment block names, as the page computed them (MHz).
    double peripheralMhz = 0;
};

// Status waits give up after this many rounds (far longer than an oscillator start or a PLL
// lock takes); a PLL that did not lock is then left unconnected and the part runs on.
inline constexpr int kWaitRounds = 100000;

// The clock block, first in `main`: the comment block explaining the values, then the register
// lines in the family's safe order. Names pass through the profile's [REGISTER_NAMES].
std::vector<std::string> clockBlock(const ClockBlockInput& input, const profile::RegisterNames& names);

// "12 MHz", "14.7456 MHz", "32.768 kHz".
std::string frequencyText(double hz);
// An error to a tenth of a ppm: "+1234.5 ppm", "-20 ppm".
std::string ppmText(double ppm);

} // namespace regforge::periph::clock
