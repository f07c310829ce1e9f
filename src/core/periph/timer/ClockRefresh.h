#pragma once

#include "model/ControlStore.h"
#include "profile/DeviceState.h"

namespace regforge::periph::timer {

// Refills the common and the SPI/SSP divider lists for the loaded device. No divider
// handler runs while the lists change.
void fillDividerLists(model::ControlStore& store, const profile::DeviceState& device);

// Recomputes the common peripheral clock and every unit's clock from the CPU clock and the
// dividers. The pages' figures are refreshed by the caller afterwards.
void refreshPeripheralClocks(model::ControlStore& store, const profile::DeviceState& device);

} // namespace regforge::periph::timer
