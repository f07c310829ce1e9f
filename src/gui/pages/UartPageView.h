#pragma once

#include "gui/pages/PageView.h"

class QScrollArea;

namespace regforge::gui::pages {

// The "UART" page: a scrolled column with UART0 to UART4. Each unit is its enable box over a
// cell in which the cover panel lies on the group box; the group box holds one grid, a register
// per row (LCR, FCR, IER, then the baud rate with its solutions and divisors), the rate figure
// with the unit's own clock, and the hint at the bottom.
class UartPageView : public PageView {
public:
    explicit UartPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;
    void finishArrangement() override;

private:
    void arrangeUnit(int uart, QWidget* groupBox);

    QScrollArea* scroll_ = nullptr;
};

} // namespace regforge::gui::pages
