#pragma once

#include "periph/Page.h"

#include <array>

namespace regforge::periph::pwm {

// The "PWM" page: the two PWM units with their own clock panels.
class PwmPage : public Page {
public:
    explicit PwmPage(PageContext& context);
    void refreshFigures() override;

    // The live figures of one unit, after its clock changed.
    void refreshUnitFigures(int unit);

private:
    std::array<PeripheralClockPanel, 2> clocks_{};
};

} // namespace regforge::periph::pwm
