#pragma once

#include "periph/Page.h"

#include <array>

namespace regforge::periph::spi {

// The "SPI/SSP" page: the SPI port and the SSP ports 0 to 2 with their own clock panels.
class SpiPage : public Page {
public:
    explicit SpiPage(PageContext& context);
    void refreshFigures() override;

    // Port 0 is SPI, ports 1 to 3 are SSP0 to SSP2: the bus clock figure after its clock changed.
    void refreshPortFigure(int port);

private:
    std::array<PeripheralClockPanel, 4> clocks_{};
};

} // namespace regforge::periph::spi
