#pragma once

#include "periph/ResultLists.h"
#include "periph/spi/SerialPorts.h"
#include "profile/DeviceState.h"

namespace regforge::periph::spi {

// Writes one SSP port's set-up into `main`: a comment block that explains it, the profile's
// set-up lines ("[SSPn_INIT]"), the CR0, CR1, CPSR, IMSC (and DMACR) assignments and, when
// SSE is checked, the enable line last.
class SspGenerator {
public:
    explicit SspGenerator(const profile::DeviceState& device) : device_(device) {}

    // Port `ssp` (0..2) from its controls; nothing unless its check box is checked. Appends
    // to lists.mainLines only.
    void generate(int ssp, const SspPort& port, ResultLists& lists) const;

private:
    const profile::DeviceState& device_;
};

} // namespace regforge::periph::spi
