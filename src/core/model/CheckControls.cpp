#include "model/CheckControls.h"

namespace regforge::model {

void CheckBox::setChecked(bool checked) {
    if (checked_ == checked)
        return;
    checked_ = checked;
    valueChanged();
}

void CheckBox::click() {
    if (!effectivelyEnabled())
        return;
    setChecked(!checked_);
}

void RadioButton::setChecked(bool checked) {
    if (checked_ == checked)
        return;
    checked_ = checked;
    if (!checked) {
        notifyView(Aspect::Value);
        return;
    }
    if (parent() != nullptr) {
        for (Control* sibling : parent()->children()) {
            if (sibling != this && sibling->kind() == ControlKind::RadioButton)
                static_cast<RadioButton*>(sibling)->setChecked(false);
        }
    }
    valueChanged();
}

void RadioButton::click() {
    if (!effectivelyEnabled())
        return;
    setChecked(true);
}

void ToggleButton::setDown(bool down) {
    if (down_ == down)
        return;
    down_ = down;
    valueChanged();
}

void MenuItem::setChecked(bool checked) {
    if (checked_ == checked)
        return;
    checked_ = checked;
    valueChanged();
}

} // namespace regforge::model
