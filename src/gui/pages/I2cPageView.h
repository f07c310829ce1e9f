#pragma once

#include "gui/pages/PageView.h"

class QWidget;

namespace regforge::gui::pages {

// The "I2C" page: a scrolled column with the I2C units 0 to 2. Each unit is its enable box over
// a cell in which the cover panel lies on the group box; the group box holds one grid: the mode,
// the bit rate and duty cycle, SCLH/SCLL with the actual rate and the unit's own clock, the
// slave address row, the interrupt row, and the hint at the bottom.
class I2cPageView : public PageView {
public:
    explicit I2cPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;
    void finishArrangement() override;

private:
    QWidget* arrangeBus(int bus);
};

} // namespace regforge::gui::pages
