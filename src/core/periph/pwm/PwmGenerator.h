#pragma once

#include "model/NumericEdit.h"
#include "periph/ResultLists.h"
#include "periph/pwm/PwmUnit.h"
#include "profile/DeviceState.h"

namespace regforge::periph::pwm {

// Writes a PWM unit's set-up into `main`: a comment block that explains the settings (with
// the page's figures and output lines as they stand), the unit's power/clock line from the
// profile ([PWMn_INIT]) and one assignment per register.
class PwmGenerator {
public:
    explicit PwmGenerator(const profile::DeviceState& device) : device_(device) {}

    // Unit `unit` (0 or 1) from its controls; `clock` is the clock edit it counts from. The
    // CTCR and CCR lines are written only where the device offers counter mode (the mode combo
    // is shown). Appends to lists.mainLines only. Throws model::BitStringError when a register
    // edit holds no hexadecimal number.
    void generate(int unit, const PwmUnit& pu, const model::NumericEdit& clock, ResultLists& lists) const;

private:
    const profile::DeviceState& device_;
};

} // namespace regforge::periph::pwm
