#include "periph/spi/SpiPage.h"

namespace regforge::periph::spi {

namespace {
constexpr const char* kPorts[] = {"SPI", "SSP0", "SSP1", "SSP2"};
constexpr int kDividerTag = 94;
} // namespace

SpiPage::SpiPage(PageContext& context) : Page(context) {
    auto* page = store().find("TabSheet6");
    for (int p = 0; p < 4; ++p) {
        const std::string port = kPorts[p];
        auto& clock = clocks_[static_cast<std::size_t>(p)];
        clock = addClockPanel(page, port + "pclk_Panel", port + "pclk_div", port + "pclock_edit",
                              ClockGroup::SerialPort, [this, p] { refreshPortFigure(p); });
        clock.divider->setTag(kDividerTag);
    }
}

void SpiPage::refreshFigures() {
    for (int p = 0; p < 4; ++p)
        refreshPortFigure(p);
}

void SpiPage::refreshPortFigure(int) {}

} // namespace regforge::periph::spi
