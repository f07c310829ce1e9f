#include "periph/PeripheralClockPanel.h"

#include "model/Clocks.h"

namespace regforge::periph {

bool PeripheralClockPanel::shownFor(const profile::DeviceState& device) const {
    if (device.singlePclkDivider)
        return false;
    return !device.pclkDiv13xx || group == ClockGroup::SerialPort;
}

void PeripheralClockPanel::recompute(const CommonClock& common, const profile::DeviceState& device) const {
    if (common.cpu != nullptr)
        model::peripheralClock(*common.cpu, *divider, *clock, device.perPeripheralDividers());
}

PeripheralClockPanel declarePeripheralClockPanel(model::ControlStore& store, model::Control* parent,
                                                 const std::string& panelName, const std::string& dividerName,
                                                 const std::string& clockName, ClockGroup group,
                                                 const CommonClock& common,
                                                 const profile::DeviceState& device,
                                                 std::function<void()> figuresChanged) {
    auto& panel = store.addPlain(model::ControlKind::Panel, panelName, parent);
    panel.setVisible(false);
    store.addPlain(model::ControlKind::Label, panelName + "_label", &panel, "Pclock");
    auto& divider = store.add<model::ComboBox>(dividerName, &panel);
    divider.setItems(kFixedDividerItems);
    divider.setItemIndex(1);
    auto& clock = store.add<model::NumericEdit>(clockName, &panel);
    clock.setValueKind(model::ValueKind::Float);
    clock.setMaximumValue(200);
    clock.setText("15");
    clock.setReadOnly(true);
    store.addPlain(model::ControlKind::Label, panelName + "_unit", &panel, "MHz");

    const PeripheralClockPanel result{&panel, &divider, &clock, group};
    // `common` and `device` outlive every page: both belong to the main window.
    divider.changed.connect([result, &common, &device, figures = std::move(figuresChanged)](model::Control&) {
        result.recompute(common, device);
        if (figures)
            figures();
    });
    return result;
}

} // namespace regforge::periph
