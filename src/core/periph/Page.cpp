#include "periph/Page.h"

namespace regforge::periph {

void Page::applyDeviceFlags() {
    for (const auto& panel : clockPanels_)
        panel.panel->setVisible(panel.shownFor(ctx_.device));
}

PeripheralClockPanel Page::addClockPanel(model::Control* parent, const std::string& panelName,
                                         const std::string& dividerName, const std::string& clockName,
                                         ClockGroup group, std::function<void()> figuresChanged) {
    clockPanels_.push_back(declarePeripheralClockPanel(ctx_.store, parent, panelName, dividerName, clockName,
                                                       group, ctx_.clock, ctx_.device,
                                                       std::move(figuresChanged)));
    return clockPanels_.back();
}

} // namespace regforge::periph
