#include "app/ProgramPages.h"

#include "periph/adc/AdcPage.h"
#include "periph/clock/ClocksPage.h"
#include "periph/i2c/I2cPage.h"
#include "periph/io/IoPage.h"
#include "periph/irq/IrqPage.h"
#include "periph/pwm/PwmPage.h"
#include "periph/spi/SpiPage.h"
#include "periph/timer/TimerPage.h"
#include "periph/uart/UartPage.h"

namespace regforge::app {

std::vector<PageFactory> programPages() {
    // The result reads the same way: pins, external and GPIO interrupts and the interrupt
    // controller, A/D converters, timers 0 to 3, PWM units 0 and 1, SPI, SSP ports 0 to 2, then UARTs 0 to 4.
    return {
        pageOf<periph::io::IoPage>(),   pageOf<periph::clock::ClocksPage>(), pageOf<periph::irq::IrqPage>(),
        pageOf<periph::adc::AdcPage>(), pageOf<periph::timer::TimerPage>(),  pageOf<periph::pwm::PwmPage>(),
        pageOf<periph::spi::SpiPage>(), pageOf<periph::uart::UartPage>(),    pageOf<periph::i2c::I2cPage>(),
    };
}

} // namespace regforge::app
