#pragma once

#include "model/ControlStore.h"
#include "profile/DeviceState.h"

namespace regforge::tools {

// The common clock panel follows the page: the CPU clock shows on the ADC, Timers, PWM and
// SPI/SSP pages; the common divider shows only where the device has one for that page.
void applyPageChangeRule(model::ControlStore& store, int pageIndex, const profile::DeviceState& device);

} // namespace regforge::tools
