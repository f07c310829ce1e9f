#include "gui/binding/ButtonBindings.h"

#include "gui/binding/Caption.h"

#include <QPushButton>

namespace regforge::gui::binding {

ButtonBinding::ButtonBinding(model::Control& control, QWidget* parent)
    : Binding(control, new QPushButton(parent)), button_(static_cast<QPushButton*>(widget())) {
    button_->setAutoDefault(false);
    connect(button_, &QPushButton::clicked, this, [this] { this->control().click(); });
}

void ButtonBinding::showCaption() {
    Binding::showCaption();
    button_->setText(acceleratedCaption(control().caption()));
}

ToggleButtonBinding::ToggleButtonBinding(model::ToggleButton& toggle, QWidget* parent)
    : Binding(toggle, new QPushButton(parent)), toggle_(toggle),
      button_(static_cast<QPushButton*>(widget())) {
    button_->setAutoDefault(false);
    button_->setCheckable(true);
    connect(button_, &QPushButton::clicked, this, [this] { userAction([this] { toggle_.click(); }); });
}

void ToggleButtonBinding::showCaption() {
    Binding::showCaption();
    button_->setText(acceleratedCaption(toggle_.caption()));
}

void ToggleButtonBinding::showValue(int /*index*/) {
    button_->setChecked(toggle_.down());
}

} // namespace regforge::gui::binding
