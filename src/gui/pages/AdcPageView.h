#pragma once

#include "gui/pages/PageView.h"

namespace regforge::gui::pages {

// The "ADC" page: the four converters in a 2x2 grid under the clock bar. Each converter is its
// enable box over a cell in which the cover panel lies on the register group box; the group
// box holds the channel and interrupt rows, the mode boxes, the divider with the conversion
// clocks, the start and edge choices, the two figures and the hint line.
class AdcPageView : public PageView {
public:
    explicit AdcPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;
    void finishArrangement() override;

private:
    QWidget* arrangeConverter(int converter);
    void arrangeRegisters(int converter, QWidget* groupBox);
};

} // namespace regforge::gui::pages
