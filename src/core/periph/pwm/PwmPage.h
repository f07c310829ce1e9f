#pragma once

#include "periph/Page.h"
#include "periph/PeripheralClockPanel.h"

#include <array>

namespace regforge::periph::pwm {

// The "PWM" page: the two PWM units with their own clock panels.
class PwmPage : public Page {
public:
    explicit PwmPage(PageContext& context);
    void refreshFigures() override;

    // A unit's divider changed: its clock follows, then its figures.
    void pwmDividerChange(int unit);
    void refreshUnitFigures(int unit);

private:
    std::array<PeripheralClockPanel, 2> clocks_{};
};

} // namespace regforge::periph::pwm
