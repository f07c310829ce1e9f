#include "app/ProgramPages.h"

#include "periph/adc/AdcPage.h"
#include "periph/io/IoPage.h"
#include "periph/irq/IrqPage.h"
#include "periph/pwm/PwmPage.h"
#include "periph/spi/SpiPage.h"
#include "periph/timer/TimerPage.h"

namespace regforge::app {

namespace {

template <class P>
std::unique_ptr<periph::Page> make(periph::PageContext& context) {
    return std::make_unique<P>(context);
}

} // namespace

std::vector<PageFactory> programPages() {
    // The result reads the same way: pins, external and GPIO interrupts and the interrupt
    // controller, A/D converters, timers 0 to 3, PWM units 0 and 1, SPI, then SSP ports 0 to 2.
    return {
        make<periph::io::IoPage>,       make<periph::irq::IrqPage>, make<periph::adc::AdcPage>,
        make<periph::timer::TimerPage>, make<periph::pwm::PwmPage>, make<periph::spi::SpiPage>,
    };
}

} // namespace regforge::app
