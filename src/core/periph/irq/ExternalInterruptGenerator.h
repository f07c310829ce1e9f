#pragma once

#include "model/Tree.h"
#include "periph/ResultLists.h"
#include "periph/irq/EintRow.h"
#include "periph/irq/IrqControls.h"
#include "profile/DeviceState.h"

#include <array>

namespace regforge::periph::irq {

// The used external interrupt rows (EXTMODE, EXTPOLAR, INTWAKE, EXTINT), then the GPIO pin
// interrupts of the tree ([IO_ISR] register names). Appends to lists.mainLines only; a block
// with nothing to set is not written. Throws regforge::Error when a pin's register is missing
// from [IO_ISR] or its bit lies outside the register.
void generateExternalInterruptCode(const std::array<EintRow, kEintCount>& rows, const model::Tree& gpioTree,
                                   const profile::DeviceState& device, ResultLists& lists);

} // namespace regforge::periph::irq
