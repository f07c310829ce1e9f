#pragma once

#include "gui/pages/CounterPageView.h"

class QGridLayout;
class QScrollArea;

namespace regforge::gui::pages {

// The "PWM" page: the "PWM0" / "PWM1" switch above a scrolled column with one unit. Each unit
// is its enable box over a cell in which the cover panel lies on the register group box; the
// group box holds one grid whose check box columns line up for the match, the capture and the
// output rows.
class PwmPageView : public CounterPageView {
public:
    explicit PwmPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;
    void finishArrangement() override;

private:
    QWidget* arrangeUnit(int unit);
    void arrangeRegisters(int unit, QWidget* groupBox);

    QScrollArea* scroll_ = nullptr;
};

} // namespace regforge::gui::pages
