#pragma once

#include "support/PageFixture.h"

namespace regforge::periph::timer {

// The page fixture over the timer test profiles (tests/fixtures/timer/<name>.ini).
class TimerFixture : public testing::PageFixture {
protected:
    TimerFixture() : PageFixture("timer") {}
};

} // namespace regforge::periph::timer
