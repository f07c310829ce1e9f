#pragma once

#include "gui/pages/PageView.h"

class QWidget;

namespace regforge::gui::pages {

// The "Interrupts" page: on the left the source drop-down with its add buttons, the numbered
// slot list with the free and move buttons beside it, and the legends; on the right the
// external interrupt rows (one grid row per EINT) over the GPIO interrupt tree and its legends.
class InterruptsPageView : public PageView {
public:
    explicit InterruptsPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;

private:
    QWidget* arrangeSources();
    QWidget* arrangeTriggers();
    void fillLegend(QWidget* panel, const char* const* texts, const int* values, int count,
                    const char* imageList);
};

} // namespace regforge::gui::pages
