#pragma once

#include "model/ComboBox.h"
#include "model/ControlStore.h"
#include "model/NumericEdit.h"
#include "periph/CommonClock.h"
#include "profile/DeviceState.h"

#include <functional>
#include <string>
#include <vector>

namespace regforge::periph {

// Which dividers a unit follows. Counter units (timers, PWM) share the common divider on the
// LPC13xx; serial ports (SPI, SSP) keep dividers of their own there.
enum class ClockGroup { CounterUnit, SerialPort };

// A unit's own peripheral clock: a panel with its divider combo ("1/8" .. "1/1", "1/4"
// selected) and its read-only clock edit in MHz. Hidden until the device has dividers for it.
struct PeripheralClockPanel {
    model::Control* panel = nullptr;
    model::ComboBox* divider = nullptr;
    model::NumericEdit* clock = nullptr;
    ClockGroup group = ClockGroup::CounterUnit;

    // Whether the device gives this unit a divider of its own to show.
    bool shownFor(const profile::DeviceState& device) const;
    // The unit's clock from the CPU clock and its own divider.
    void recompute(const CommonClock& common, const profile::DeviceState& device) const;
};

// Declares the panel under `parent` with the names the page gives it. A change of its divider
// recomputes its clock, then runs `figuresChanged` (the page's figures of that unit).
PeripheralClockPanel declarePeripheralClockPanel(model::ControlStore& store, model::Control* parent,
                                                 const std::string& panelName, const std::string& dividerName,
                                                 const std::string& clockName, ClockGroup group,
                                                 const CommonClock& common,
                                                 const profile::DeviceState& device,
                                                 std::function<void()> figuresChanged);

// The four items every divider shows before a device refills it.
inline const std::vector<std::string> kFixedDividerItems = {"1/8", "1/4", "1/2", "1/1"};

} // namespace regforge::periph
