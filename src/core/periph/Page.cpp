#include "periph/Page.h"

namespace regforge::periph {

Page::Page(PageContext& context) : ctx_(context) {
    ctx_.clocks.changed.connect([this] { refreshFigures(); });
}

void Page::applyDeviceFlags() {
    for (const auto& panel : clockPanels_)
        panel.panel->setVisible(panel.shownFor(ctx_.device));
}

PeripheralClockPanel Page::addClockPanel(model::Control* parent, const ClockPanelNames& names,
                                         ClockGroup group, std::function<void()> figuresChanged) {
    clockPanels_.push_back(ctx_.clocks.addUnit(ctx_.store, parent, names, group, std::move(figuresChanged)));
    return clockPanels_.back();
}

model::NumericEdit* Page::addRegisterEdit(PeripheralUnit& unit, const std::string& name, int tag,
                                          std::string hint) {
    auto& edit = ctx_.store.add<model::NumericEdit>(name, unit.groupBox);
    edit.setValueKind(model::ValueKind::HexValue);
    edit.setMaxLength(8);
    edit.setMinimumDigits(8);
    edit.setText("0");
    edit.setTag(tag);
    edit.setHint(std::move(hint));
    unit.hinted.push_back(&edit);
    return &edit;
}

model::CheckBox* Page::addRegisterBox(PeripheralUnit& unit, const std::string& name, std::string caption,
                                      int tag, std::string hint) {
    auto& box = ctx_.store.add<model::CheckBox>(name, unit.groupBox);
    box.setCaption(std::move(caption));
    box.setTag(tag);
    box.setHint(std::move(hint));
    unit.hinted.push_back(&box);
    return &box;
}

void Page::connectUnitSwitch(const UnitFrame& unit, std::function<void()> switched) {
    addUnitSwitch(unit.enableBox);
    unit.enableBox->changed.connect([this, &unit, after = std::move(switched)](model::Control&) {
        if (unitEnableClick(unit) && after)
            after();
    });
}

void Page::connectHints(const PeripheralUnit& unit, std::function<void()> groupHovered) {
    for (model::Control* c : unit.hinted)
        c->hovered.connect([&unit](model::Control& sender) { unit.hintLabel->setCaption(sender.hint()); });
    if (!groupHovered)
        groupHovered = [&unit] { unit.hintLabel->setCaption(""); };
    unit.groupBox->hovered.connect([hovered = std::move(groupHovered)](model::Control&) { hovered(); });
}

void Page::coverUnit(const UnitFrame& unit) {
    unit.groupBox->setEnabled(false);
    unit.coverPanel->setVisible(true);
}

bool Page::unitEnableClick(const UnitFrame& unit) const {
    if (ctx_.device.profileLines.empty()) {
        model::MuteGuard guard(*unit.enableBox);
        unit.enableBox->setChecked(false);
        return false;
    }
    unit.groupBox->setEnabled(unit.enableBox->checked());
    unit.coverPanel->setVisible(!unit.enableBox->checked());
    return true;
}

bool Page::onTab(const model::Control& control, const char* tabName) {
    for (const model::Control* c = &control; c != nullptr; c = c->parent())
        if (c->name() == tabName)
            return true;
    return false;
}

} // namespace regforge::periph
