#pragma once

#include "periph/ResultLists.h"
#include "periph/uart/UartUnit.h"
#include "profile/DeviceState.h"

namespace regforge::periph::uart {

// Writes one UART's set-up into `main`: a comment block that explains the rate, frame, FIFO and
// interrupts, the profile's power lines ("[UARTn_INIT]", and on the LPC13xx the UART clock
// divider), then LCR with DLAB set, DLL, DLM, FDR (where the unit has one), LCR with DLAB clear,
// FCR and IER.
class UartGenerator {
public:
    explicit UartGenerator(const profile::DeviceState& device) : device_(device) {}

    // Unit `uart` from its controls; the caller runs it only for a unit switched on.
    void generate(int uart, const UartUnit& unit, ResultLists& lists) const;

private:
    const profile::DeviceState& device_;
};

} // namespace regforge::periph::uart
