#pragma once

#include "model/ControlStore.h"
#include "model/NumericEdit.h"
#include "profile/DeviceState.h"

namespace regforge::periph::timer {

// The clock edit (MHz) timer `timer` (0..3) counts from: the common peripheral clock when
// the device has one divider for everything or the LPC13xx dividers, else the timer's own
// clock edit. The figures, the prescaler calculator and the generated comment all read it.
// A timer outside 0..3 throws std::out_of_range.
const model::NumericEdit& timerClockEdit(const model::ControlStore& store, const profile::DeviceState& device,
                                         int timer);

// The same clock as a number in MHz (0 when its text is no number).
double timerClockMhz(const model::ControlStore& store, const profile::DeviceState& device, int timer);

} // namespace regforge::periph::timer
