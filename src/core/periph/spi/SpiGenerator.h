#pragma once

#include "periph/ResultLists.h"
#include "periph/spi/SerialPorts.h"
#include "profile/DeviceState.h"

namespace regforge::periph::spi {

// Writes the SPI port's set-up into `main`: a comment block that explains it, the profile's
// power/clock line ("[SPI_INIT]") and the SPCCR and SPCR assignments.
class SpiGenerator {
public:
    explicit SpiGenerator(const profile::DeviceState& device) : device_(device) {}

    // The port from its controls; the caller generates only a checked port. Appends to
    // lists.mainLines only.
    void generate(const SpiPort& spi, ResultLists& lists) const;

private:
    const profile::DeviceState& device_;
};

} // namespace regforge::periph::spi
