#pragma once

#include "periph/Page.h"

#include <array>

namespace regforge::periph::spi {

// The "SPI/SSP" page: the SPI port and the SSP ports 0 to 2 with their own clock panels.
class SpiPage : public Page {
public:
    explicit SpiPage(PageContext& context);
    void refreshFigures() override;
    // The SSP ports' DMA enables (SSPnRXDMAE_CheckBox, SSPnTXDMAE_CheckBox) answer this once the
    // ports' controls exist; until then no port moves data by DMA.
    bool usesGpdma() const override { return false; }

    // Port 0 is SPI, ports 1 to 3 are SSP0 to SSP2: the bus clock figure after its clock changed.
    void refreshPortFigure(int port);

private:
    std::array<PeripheralClockPanel, 4> clocks_{};
};

} // namespace regforge::periph::spi
