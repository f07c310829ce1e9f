#include "periph/PeripheralClockPanel.h"

namespace regforge::periph {

bool PeripheralClockPanel::shownFor(const profile::DeviceState& device) const {
    if (device.singlePclkDivider)
        return false;
    return !device.pclkDiv13xx || group == ClockGroup::SerialPort;
}

} // namespace regforge::periph
