#pragma once

#include "gui/binding/Binding.h"
#include "model/ComboBox.h"

class QComboBox;

namespace regforge::gui::binding {

// A drop-down list; an editable one passes typed text to the model as well.
class ComboBinding : public Binding {
    Q_OBJECT

public:
    ComboBinding(model::ComboBox& combo, QWidget* parent);

protected:
    void showItems(int index) override;
    void showValue(int index) override;
    void showLimits() override;

private:
    model::ComboBox& combo_;
    QComboBox* box_;
};

} // namespace regforge::gui::binding
