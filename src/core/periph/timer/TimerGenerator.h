#pragma once

#include "model/NumericEdit.h"
#include "periph/ResultLists.h"
#include "periph/timer/TimerUnit.h"
#include "profile/DeviceState.h"

namespace regforge::periph::timer {

// Writes a timer's set-up into `main`: a comment block that explains the settings, the
// timer's power/clock line from the profile ([TIMERn_INIT]) and one assignment per register.
class TimerGenerator {
public:
    explicit TimerGenerator(const profile::DeviceState& device) : device_(device) {}

    // Timer `timer` (0..3) from its controls; `clock` is the clock edit it counts from. The
    // width follows the counter edit (eight digits: 32-bit), PWM mode whether its PWM-mode boxes
    // are shown (they are read and the PWM control register is written only then). Appends to
    // lists.mainLines only. Throws model::BitStringError when a register edit holds no
    // hexadecimal number.
    void generate(int timer, const TimerUnit& tm, const model::NumericEdit& clock, ResultLists& lists) const;

private:
    const profile::DeviceState& device_;
};

} // namespace regforge::periph::timer
