#include "tools/PageChangeRule.h"

namespace regforge::tools {

void applyPageChangeRule(const ClockBar& bar, const periph::PageTab& page,
                         const profile::DeviceState& device) {
    bar.panel->setVisible(page.clockBar);
    const bool divider = page.showsCommonDivider(device);
    for (model::Control* control : bar.commonDivider)
        control->setVisible(divider);
}

} // namespace regforge::tools
