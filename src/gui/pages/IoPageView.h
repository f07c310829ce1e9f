#pragma once

#include "gui/pages/PageView.h"

class QGridLayout;
class QVBoxLayout;

namespace regforge::gui::pages {

// The "I/O" page: the device bar on top (device list, profile and configuration buttons),
// below it the page's content, covered by the warning panel until a device is loaded.
class IoPageView : public PageView {
public:
    explicit IoPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;
    QBoxLayout* restLayout(QVBoxLayout* body) override;
    void finishArrangement() override;

private:
    QVBoxLayout* content_ = nullptr;
    QWidget* warning_ = nullptr;
};

} // namespace regforge::gui::pages
