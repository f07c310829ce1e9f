#pragma once

#include "periph/Page.h"
#include "periph/PeripheralClockPanel.h"

#include <array>

namespace regforge::periph::timer {

// The "Timers" page: the four timers with their own clock panels.
class TimerPage : public Page {
public:
    explicit TimerPage(PageContext& context);
    void reset() override;
    void refreshFigures() override;

    // A timer's divider changed: its clock follows, then its figures.
    void timerDividerChange(int timer);
    void refreshTimerFigures(int timer);

private:
    std::array<PeripheralClockPanel, 4> clocks_{};
};

} // namespace regforge::periph::timer
