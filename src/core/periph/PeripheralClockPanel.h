#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "profile/DeviceState.h"

#include <string>
#include <vector>

namespace regforge::periph {

// Which dividers a unit follows. Counter units (timers, PWM) share the common divider on the
// LPC13xx; serial ports (SPI, SSP) keep dividers of their own there.
enum class ClockGroup { CounterUnit, SerialPort };

// A unit's own peripheral clock: a panel with its divider combo and its read-only clock edit
// in MHz. The clock chain declares it and computes the clock.
struct PeripheralClockPanel {
    model::Control* panel = nullptr;
    model::ComboBox* divider = nullptr;
    model::NumericEdit* clock = nullptr;
    ClockGroup group = ClockGroup::CounterUnit;
    // The unit's profile section name ("TIMER0").
    std::string unit{};
    // Where set, the unit's own divider counts for the clock set-up only while this box is
    // checked.
    model::CheckBox* onlyWhileOn = nullptr;

    // Whether the device gives this unit a divider of its own to show.
    bool shownFor(const profile::DeviceState& device) const;
    // Whether the clock set-up writes this unit's own divider: shown, and the unit on where
    // that matters.
    bool ownDividerWritten(const profile::DeviceState& device) const {
        return shownFor(device) && (onlyWhileOn == nullptr || onlyWhileOn->checked());
    }
};

// The four items every divider shows before a device refills it.
inline const std::vector<std::string> kFixedDividerItems = {"1/8", "1/4", "1/2", "1/1"};

} // namespace regforge::periph
