#pragma once

#include "profile/DeviceState.h"

namespace regforge::periph {

// What the shell shows of a page: its tab in the page control and the shared clock bar.
struct PageTab {
    // The page control ("TabSheet4") and its tab's caption ("Timers").
    const char* name = "";
    const char* caption = "";
    // The shared clock bar (CPU clock and common divider) shows while the page is open.
    bool clockBar = false;
    // Whether the bar's common divider shows on the page for the loaded device; none: always.
    bool (*commonDivider)(const profile::DeviceState& device) = nullptr;

    bool showsCommonDivider(const profile::DeviceState& device) const {
        return commonDivider == nullptr || commonDivider(device);
    }
};

// Units with dividers of their own make the common divider meaningless on their page.
inline bool commonDividerUnlessPerUnit(const profile::DeviceState& device) {
    return device.singlePclkDivider;
}
// The LPC13xx timers and PWM units run from the common divider even where others have their own.
inline bool commonDividerForCounters(const profile::DeviceState& device) {
    return device.pclkDiv13xx || device.singlePclkDivider;
}

} // namespace regforge::periph
