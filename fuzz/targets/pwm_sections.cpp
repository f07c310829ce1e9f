// The PWM section reader on any profile text. It fills the PWM page's controls, so the window
// is built once and the page is reset before each input, as a device load does; then both
// units are switched into PWM mode and written out, as far as the figures and the block go.
#include "FuzzInput.h"
#include "FuzzProgram.h"
#include "periph/pwm/PwmPage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace regforge;
    auto& page = fuzz::program().pageForProfile<periph::pwm::PwmPage>(data, size);
    try {
        page.loadProfile();
        periph::ResultLists lists;
        for (int unit = 0; unit < periph::pwm::kPwmCount; ++unit) {
            const auto& pu = page.unit(unit);
            pu.enableBox->setChecked(true);
            pu.pwmMode->setChecked(true);
            pu.mode->setItemIndex(pu.mode->count() - 1);
            pu.countInput->setItemIndex(pu.countInput->count() - 1);
        }
        page.refreshFigures();
        page.generate(lists);
    } catch (const regforge::Error&) {
    }
    return 0;
}
