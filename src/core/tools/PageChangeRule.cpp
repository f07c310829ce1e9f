#include "tools/PageChangeRule.h"

namespace regforge::tools {

namespace {
constexpr int kAdcPage = 2;
constexpr int kTimersPage = 3;
constexpr int kPwmPage = 4;
constexpr int kSpiPage = 5;
constexpr const char* kCommonDividerControls[] = {"Label4", "pclk_div", "pclock_edit", "Label3"};

void setVisible(model::ControlStore& store, const char* name, bool visible) {
    if (model::Control* c = store.find(name))
        c->setVisible(visible);
}
} // namespace

void applyPageChangeRule(model::ControlStore& store, int pageIndex, const profile::DeviceState& device) {
    setVisible(store, "ClockPanel", pageIndex >= kAdcPage && pageIndex <= kSpiPage);

    bool showDivider = true;
    const bool timersOrPwm = pageIndex == kTimersPage || pageIndex == kPwmPage;
    if (device.pclkDiv13xx && timersOrPwm)
        showDivider = true;
    else if (!device.singlePclkDivider && (timersOrPwm || pageIndex == kSpiPage))
        showDivider = false;
    for (const char* name : kCommonDividerControls)
        setVisible(store, name, showDivider);
}

} // namespace regforge::tools
