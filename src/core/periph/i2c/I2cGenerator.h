#pragma once

#include "periph/ResultLists.h"
#include "periph/i2c/I2cBus.h"
#include "profile/DeviceState.h"

#include <string>

namespace regforge::periph::i2c {

// Writes one I2C unit's set-up into `main`: a comment block that explains it, the profile's
// power lines ("[I2Cn_INIT]"), I2CONCLR (the unit stopped and its flags cleared), SCLH and SCLL
// for a master (with the Fast-mode Plus pad lines above 400 kHz), the address registers for a
// slave, and I2CONSET last, which starts the unit.
// The clock a unit counts from: in hertz, and as its clock edit shows it in MHz.
struct BusClock {
    double hz = 0;
    std::string text;
};

class I2cGenerator {
public:
    explicit I2cGenerator(const profile::DeviceState& device) : device_(device) {}

    // Unit `n` (0..2) from its controls. Appends to lists.mainLines only.
    void generate(int n, const I2cBus& bus, const BusClock& clock, ResultLists& lists) const;

private:
    const profile::DeviceState& device_;
};

} // namespace regforge::periph::i2c
