#pragma once

#include "gui/binding/Binding.h"
#include "model/CheckControls.h"

#include <memory>

class QAbstractButton;

namespace regforge::gui::binding {

// A check box or radio button. The model toggles, and keeps radio groups exclusive, so the
// widget never changes its own state: it forwards the click and shows the model's state.
template <class Model>
class CheckBinding : public Binding {
public:
    CheckBinding(Model& check, QAbstractButton* button);

protected:
    void showCaption() override;
    void showValue(int index) override;

private:
    Model& check_;
    QAbstractButton* button_;
};

using CheckBoxBinding = CheckBinding<model::CheckBox>;
using RadioButtonBinding = CheckBinding<model::RadioButton>;

std::unique_ptr<Binding> makeCheckBoxBinding(model::CheckBox& check, QWidget* parent);
std::unique_ptr<Binding> makeRadioButtonBinding(model::RadioButton& radio, QWidget* parent);

} // namespace regforge::gui::binding
