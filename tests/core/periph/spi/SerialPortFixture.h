#pragma once

#include "support/PageFixture.h"

namespace regforge::periph::spi {

// The page fixture over the serial-port test profiles (tests/fixtures/spi/<name>.ini).
class SerialPortFixture : public testing::PageFixture {
protected:
    SerialPortFixture() : PageFixture("spi") {}
};

} // namespace regforge::periph::spi
