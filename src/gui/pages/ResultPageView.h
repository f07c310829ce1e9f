#pragma once

#include "gui/pages/PageView.h"

namespace regforge::gui::pages {

// The "Result" page: the result and replace-list buttons on top, the replace panel when shown,
// the generated text below.
class ResultPageView : public PageView {
public:
    explicit ResultPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;

private:
    // The replace panel: the pair edit, the list buttons, the explanations and the grid.
    QWidget* arrangeReplacePanel();
};

} // namespace regforge::gui::pages
