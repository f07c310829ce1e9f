#pragma once

#include "gui/pages/PageView.h"

class QGridLayout;
class QLabel;

namespace regforge::gui::pages {

// The "Clocks" page: its enable box over a cell in which the cover panel lies on the group box.
// The group box holds the solver's inputs (source, crystal, wanted CPU clock), the PLL settings
// and the USB box, then the figures, the one-line clock tree, the status and the part's limit.
class ClocksPageView : public PageView {
public:
    explicit ClocksPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;
    void finishArrangement() override;

private:
    QGridLayout* inputGrid();
    QWidget* treePanel();
    QGridLayout* figureGrid();
    // A wrapped line of text, empty while there is nothing to say.
    QLabel* textLine(const char* name);
};

} // namespace regforge::gui::pages
