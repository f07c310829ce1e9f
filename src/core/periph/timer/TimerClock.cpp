#include "periph/timer/TimerClock.h"

#include "model/Clocks.h"

#include <stdexcept>

namespace regforge::periph::timer {

const model::NumericEdit& timerClockEdit(const model::ControlStore& store, const profile::DeviceState& device,
                                         int timer) {
    if (timer < 0 || timer > 3)
        throw std::out_of_range("no timer " + std::to_string(timer));
    if (device.singlePclkDivider || device.pclkDiv13xx)
        return store.get<model::NumericEdit>(model::kCommonClockEdit);
    // The first four peripheral clocks are the timers', in timer order.
    return store.get<model::NumericEdit>(model::kPeripheralClocks[static_cast<std::size_t>(timer)].clock);
}

double timerClockMhz(const model::ControlStore& store, const profile::DeviceState& device, int timer) {
    return timerClockEdit(store, device, timer).valueAsFloat();
}

} // namespace regforge::periph::timer
