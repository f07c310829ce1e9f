#pragma once

#include "periph/ClockChain.h"
#include "periph/ProblemList.h"
#include "profile/DeviceState.h"

namespace regforge::periph {

// The clock bar's problems, ahead of every page's: a CPU clock above the part's maximum, and the
// reminder that the code sets no clock, so the figures hold only while the board's start-up code
// makes the clocks they assume.
void reportClockProblems(const ClockChain& clocks, const profile::DeviceState& device, ProblemList& out);

} // namespace regforge::periph
