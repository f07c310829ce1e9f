#pragma once

#include "gui/pages/PageView.h"

namespace regforge::gui::pages {

// The "Result" page: the result and replace-list buttons on top, the generated text below.
class ResultPageView : public PageView {
public:
    explicit ResultPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;
};

} // namespace regforge::gui::pages
