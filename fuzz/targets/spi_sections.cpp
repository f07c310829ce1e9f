// The serial-port section reader on any profile text, and the SPI and SSP generators that read
// the same sections again. The window is built once and the page is reset before each input,
// as a device load does; every port the profile offers is then checked and generated.
#include "FuzzInput.h"
#include "FuzzProgram.h"
#include "periph/spi/SpiPage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace regforge;
    auto& page = fuzz::program().pageForProfile<periph::spi::SpiPage>(data, size);
    fuzz::program().form().device().cortexM3 = size % 2 == 1;
    try {
        page.loadProfile();
        if (page.spi().enableBox->visible())
            page.spi().enableBox->setChecked(true);
        for (int ssp = 0; ssp < periph::spi::kSspCount; ++ssp)
            if (page.ssp(ssp).enableBox->visible())
                page.ssp(ssp).enableBox->setChecked(true);
        page.refreshFigures();
        periph::ResultLists lists;
        page.generate(lists);
    } catch (const regforge::Error&) {
    }
    return 0;
}
