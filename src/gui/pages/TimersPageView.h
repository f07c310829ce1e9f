#pragma once

#include "gui/pages/CounterPageView.h"

class QGridLayout;
class QScrollArea;

namespace regforge::gui::pages {

// The "Timers" page: the "0/1" / "2/3" switch above a scrolled column with two timers. Each
// timer is its enable box over a cell in which the cover panel lies on the register group
// box; the group box holds one grid whose check box columns line up for the match and the
// capture rows.
class TimersPageView : public CounterPageView {
public:
    explicit TimersPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;
    void finishArrangement() override;

private:
    QWidget* arrangeTimer(int timer);
    void arrangeRegisters(int timer, QWidget* groupBox);

    QScrollArea* scroll_ = nullptr;
};

} // namespace regforge::gui::pages
