#pragma once

#include "model/ControlStore.h"
#include "periph/ResultLists.h"
#include "profile/DeviceState.h"

namespace regforge::periph::timer {

// Writes a timer's set-up into `main`: a comment block that explains the settings, the
// timer's power/clock line from the profile ([TIMERn_INIT]) and one assignment per register.
// Registers are composed from the controls carrying the timer's tags, in store order.
class TimerGenerator {
public:
    TimerGenerator(const model::ControlStore& store, const profile::DeviceState& device)
        : store_(store), device_(device) {}

    // One timer: `tagBase` 300, 400, 500 or 600; `is32Bit` for 8-digit TC/PR/MR registers;
    // `hasPwmMode` when the device offers PWM mode on this timer (its PWM-mode boxes are read
    // and the PWM control register is written only then). Appends to lists.mainLines only.
    // Throws model::BitStringError when a register edit holds no hexadecimal number.
    void generate(int tagBase, bool is32Bit, bool hasPwmMode, ResultLists& lists) const;

    // Timers 0..3 in order, each only while its enable box is checked; the width comes from
    // the timer's TC edit (maximum length 8: 32-bit), PWM mode from whether its first
    // PWM-mode box is shown.
    void generateCheckedTimers(ResultLists& lists) const;

private:
    const model::ControlStore& store_;
    const profile::DeviceState& device_;
};

} // namespace regforge::periph::timer
