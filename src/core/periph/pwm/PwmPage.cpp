#include "periph/pwm/PwmPage.h"

namespace regforge::periph::pwm {

PwmPage::PwmPage(PageContext& context) : Page(context) {
    auto* page = store().find("TabSheet5");
    for (int u = 0; u < 2; ++u) {
        const std::string n = std::to_string(u);
        clocks_[static_cast<std::size_t>(u)] =
            addClockPanel(page, "pwm" + n + "pclk_panel", "PWM" + n + "pclk_div", "PWM" + n + "pclock_edit",
                          ClockGroup::CounterUnit, [this, u] { refreshUnitFigures(u); });
    }
}

void PwmPage::refreshFigures() {
    for (int u = 0; u < 2; ++u)
        refreshUnitFigures(u);
}

void PwmPage::refreshUnitFigures(int) {}

} // namespace regforge::periph::pwm
