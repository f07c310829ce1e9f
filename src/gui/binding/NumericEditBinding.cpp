#include "gui/binding/NumericEditBinding.h"

namespace regforge::gui::binding {

NumericEditBinding::NumericEditBinding(model::NumericEdit& edit, QWidget* parent)
    : Binding(edit, new widgets::NumericLineEdit(edit, parent)), edit_(edit),
      line_(static_cast<widgets::NumericLineEdit*>(widget())) {}

void NumericEditBinding::showValue(int /*index*/) {
    line_->showModelText();
}

void NumericEditBinding::showLimits() {
    line_->setReadOnly(edit_.readOnly());
}

} // namespace regforge::gui::binding
