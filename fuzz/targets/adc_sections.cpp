// The A/D converter section reader on any profile text. It fills the ADC page's controls, so the
// window is built once and the page is reset before each input, as a device load does. The
// handlers a user reaches next (burst on and off, the figures, the result) run on what was read.
#include "FuzzInput.h"
#include "FuzzProgram.h"
#include "periph/adc/AdcPage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace regforge;
    auto& page = fuzz::program().pageForProfile<periph::adc::AdcPage>(data, size);
    try {
        page.loadProfile();
        for (int a = 0; a < periph::adc::kConverterCount; ++a) {
            const auto& unit = page.unit(a);
            unit.enableBox->setChecked(true);
            unit.burst->setChecked(true);
            unit.conversionClocks->setItemIndex(unit.conversionClocks->count() - 1);
            unit.burst->setChecked(false);
            page.refreshAdcFigures(a);
        }
        periph::ResultLists lists;
        page.generate(lists);
    } catch (const regforge::Error&) {
    }
    return 0;
}
