#pragma once

#include "model/Control.h"
#include "periph/PageTab.h"
#include "profile/DeviceState.h"

#include <vector>

namespace regforge::tools {

// The clock bar the pages share and the controls of its common divider.
struct ClockBar {
    model::Control* panel = nullptr;
    std::vector<model::Control*> commonDivider;
};

// The shared clock bar follows the page: it shows where the page asks for it, its common
// divider where the page shows it for the loaded device.
void applyPageChangeRule(const ClockBar& bar, const periph::PageTab& page,
                         const profile::DeviceState& device);

} // namespace regforge::tools
