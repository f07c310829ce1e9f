#pragma once

#include "support/PageFixture.h"

namespace regforge::periph::pwm {

// The page fixture over the pwm test profiles (tests/fixtures/pwm/<name>.ini).
class PwmFixture : public testing::PageFixture {
protected:
    PwmFixture() : PageFixture("pwm") {}
};

} // namespace regforge::periph::pwm
