#include "gui/binding/CheckBindings.h"

#include "gui/binding/Caption.h"

#include <QCheckBox>
#include <QRadioButton>

namespace regforge::gui::binding {

template <class Model>
CheckBinding<Model>::CheckBinding(Model& check, QAbstractButton* button)
    : Binding(check, button), check_(check), button_(button) {
    button_->setAutoExclusive(false);
    QObject::connect(button_, &QAbstractButton::clicked, this,
                     [this] { this->userAction([this] { check_.click(); }); });
}

template <class Model>
void CheckBinding<Model>::showCaption() {
    Binding::showCaption();
    button_->setText(acceleratedCaption(check_.caption()));
}

template <class Model>
void CheckBinding<Model>::showValue(int /*index*/) {
    button_->setChecked(check_.checked());
}

template class CheckBinding<model::CheckBox>;
template class CheckBinding<model::RadioButton>;

std::unique_ptr<Binding> makeCheckBoxBinding(model::CheckBox& check, QWidget* parent) {
    return std::make_unique<CheckBoxBinding>(check, new QCheckBox(parent));
}

std::unique_ptr<Binding> makeRadioButtonBinding(model::RadioButton& radio, QWidget* parent) {
    return std::make_unique<RadioButtonBinding>(radio, new QRadioButton(parent));
}

} // namespace regforge::gui::binding
