#include "periph/spi/SpiPage.h"

#include "model/Clocks.h"

namespace regforge::periph::spi {

namespace {
constexpr const char* kPorts[] = {"SPI", "SSP0", "SSP1", "SSP2"};
constexpr int kDividerTag = 94;
} // namespace

SpiPage::SpiPage(PageContext& context) : Page(context) {
    auto* page = store().find("TabSheet6");
    for (int p = 0; p < 4; ++p) {
        const std::string port = kPorts[p];
        clocks_[p] = declarePeripheralClockPanel(store(), page, port + "pclk_Panel", port + "pclk_div",
                                                 port + "pclock_edit");
        clocks_[p].divider->setTag(kDividerTag);
        clocks_[p].divider->changed.connect([this, p](model::Control&) { portDividerChange(p); });
    }
}

void SpiPage::refreshFigures() {
    for (int p = 0; p < 4; ++p)
        refreshPortFigure(p);
}

void SpiPage::portDividerChange(int port) {
    model::peripheralClock(store().get<model::NumericEdit>("pllclock_edit"), *clocks_[port].divider,
                           *clocks_[port].clock, device().perPeripheralDividers());
    refreshPortFigure(port);
}

void SpiPage::refreshPortFigure(int) {}

} // namespace regforge::periph::spi
