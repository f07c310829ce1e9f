#include "periph/PeripheralClockPanel.h"

namespace regforge::periph {

PeripheralClockPanel declarePeripheralClockPanel(model::ControlStore& store, model::Control* parent,
                                                 const std::string& panelName, const std::string& dividerName,
                                                 const std::string& clockName) {
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
    return {&panel, &divider, &clock};
}

} // namespace regforge::periph
