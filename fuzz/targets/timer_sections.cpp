// The timer section reader on any profile text. It fills the timer page's controls, so the
// window is built once and the page is reset before each input, as a device load does.
#include "FuzzInput.h"
#include "FuzzProgram.h"
#include "periph/timer/TimerPage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace regforge;
    auto& page = fuzz::program().pageForProfile<periph::timer::TimerPage>(data, size);
    try {
        page.loadProfile();
        for (int timer = 0; timer < periph::timer::kTimerCount; ++timer)
            page.refreshTimerFigures(timer);
    } catch (const regforge::Error&) {
    }
    return 0;
}
