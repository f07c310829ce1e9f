#pragma once

#include "gui/pages/PageView.h"

class QGridLayout;
class QLayout;
class QVBoxLayout;

namespace regforge::gui::pages {

// The "I/O" page: the device bar on top (device list, profile and configuration buttons),
// below it the pin tree with the open-drain panel lying over its right side, the legend of the
// tree's icons and the pin options. The warning panel covers all but the bar until a device is
// loaded.
class IoPageView : public PageView {
public:
    explicit IoPageView(const binding::Binder& binder);

protected:
    void arrangeContent(QVBoxLayout* body) override;
    QBoxLayout* restLayout(QVBoxLayout* body) override;
    void finishArrangement() override;

private:
    void arrangeDeviceBar(QVBoxLayout* body);
    void arrangePins();
    QWidget* arrangeOpenDrainPanel();
    QLayout* arrangeFastIo();

    QVBoxLayout* content_ = nullptr;
    QWidget* warning_ = nullptr;
    QWidget* openDrainPanel_ = nullptr;
    QWidget* fastIo_ = nullptr;
};

} // namespace regforge::gui::pages
