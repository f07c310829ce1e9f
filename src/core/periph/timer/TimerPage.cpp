#include "periph/timer/TimerPage.h"

#include "model/Clocks.h"

namespace regforge::periph::timer {

TimerPage::TimerPage(PageContext& context) : Page(context) {
    auto* page = store().find("TabSheet4");
    for (int t = 0; t < 4; ++t) {
        const std::string n = std::to_string(t);
        clocks_[t] = declarePeripheralClockPanel(store(), page, "T" + n + "pclk_panel", "T" + n + "pclk_div",
                                                 "T" + n + "pclock_edit");
        clocks_[t].divider->changed.connect([this, t](model::Control&) { timerDividerChange(t); });
    }
}

void TimerPage::reset() {}

void TimerPage::refreshFigures() {
    for (int t = 0; t < 4; ++t)
        refreshTimerFigures(t);
}

void TimerPage::timerDividerChange(int timer) {
    model::peripheralClock(store().get<model::NumericEdit>("pllclock_edit"), *clocks_[timer].divider,
                           *clocks_[timer].clock, device().perPeripheralDividers());
    refreshTimerFigures(timer);
}

void TimerPage::refreshTimerFigures(int) {}

} // namespace regforge::periph::timer
