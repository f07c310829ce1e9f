// The timer section reader on any profile text. It fills the timer page's controls, so the
// window is built once and the page is reset before each input, as a device load does.
#include "FuzzInput.h"
#include "FuzzProgram.h"
#include "periph/timer/TimerPage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace regforge;
    auto& form = fuzz::program().form();
    auto& page = form.page<periph::timer::TimerPage>();
    page.reset();
    form.device() = profile::DeviceState{};
    form.device().profileLines = fuzz::linesOf(data, size);
    form.device().deviceName = "FUZZ";
    try {
        page.loadProfile();
        for (int timer = 0; timer < periph::timer::kTimerCount; ++timer)
            page.refreshTimerFigures(timer);
    } catch (const regforge::Error&) {
    }
    return 0;
}
