#pragma once

#include "gui/pages/PageView.h"

#include <string>

class QGridLayout;
class QLayout;
class QScrollArea;

namespace regforge::gui::pages {

// The "SPI/SSP" page: a scrolled column with the SPI port and the SSP ports 0 to 2. Each port
// is its enable box over a cell in which the cover panel lies on the register group box; the
// group box holds one grid, a register per row, with the bus clock and the port's own clock
// below it and the hint at the bottom.
class SpiPageView : public PageView {
public:
    explicit SpiPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;
    void finishArrangement() override;

private:
    QWidget* arrangePort(const std::string& enableBox, const std::string& groupBox, const std::string& cover);
    void arrangeSpi(QWidget* groupBox);
    void arrangeSsp(int ssp, QWidget* groupBox);
    // The divider edit (and the SSP clock rate beside it).
    QLayout* dividerRow(const std::string& dividerLabel, const std::string& dividerEdit,
                        const std::string& rateEdit);
    // The bus clock figure and, at the right, the port's own clock panel.
    QLayout* figureRow(int port, const std::string& clockLabel);

    QScrollArea* scroll_ = nullptr;
};

} // namespace regforge::gui::pages
