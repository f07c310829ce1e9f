#pragma once

#include "periph/CommonClock.h"
#include "periph/PeripheralClockPanel.h"
#include "profile/DeviceState.h"

#include <vector>

namespace regforge::periph {

// Refills the common divider and the serial ports' dividers for the loaded device. No divider
// handler runs while the lists change.
void fillDividerLists(const CommonClock& common, const std::vector<PeripheralClockPanel>& units,
                      const profile::DeviceState& device);

// Recomputes the common peripheral clock and every unit's clock from the CPU clock and the
// dividers. No unit's divider handler runs: the caller refreshes every page's figures once
// afterwards.
void refreshPeripheralClocks(const CommonClock& common, const std::vector<PeripheralClockPanel>& units,
                             const profile::DeviceState& device);

} // namespace regforge::periph
