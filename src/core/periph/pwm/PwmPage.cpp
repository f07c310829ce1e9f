#include "periph/pwm/PwmPage.h"

#include "model/Clocks.h"

namespace regforge::periph::pwm {

PwmPage::PwmPage(PageContext& context) : Page(context) {
    auto* page = store().find("TabSheet5");
    for (int u = 0; u < 2; ++u) {
        const std::string n = std::to_string(u);
        clocks_[u] = declarePeripheralClockPanel(store(), page, "pwm" + n + "pclk_panel",
                                                 "PWM" + n + "pclk_div", "PWM" + n + "pclock_edit");
        clocks_[u].divider->changed.connect([this, u](model::Control&) { pwmDividerChange(u); });
    }
}

void PwmPage::refreshFigures() {
    for (int u = 0; u < 2; ++u)
        refreshUnitFigures(u);
}

void PwmPage::pwmDividerChange(int unit) {
    model::peripheralClock(store().get<model::NumericEdit>("pllclock_edit"), *clocks_[unit].divider,
                           *clocks_[unit].clock, device().perPeripheralDividers());
    refreshUnitFigures(unit);
}

void PwmPage::refreshUnitFigures(int) {}

} // namespace regforge::periph::pwm
