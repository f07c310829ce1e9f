#pragma once

#include "gui/binding/Binding.h"
#include "gui/widgets/NumericLineEdit.h"
#include "model/NumericEdit.h"

namespace regforge::gui::binding {

// A numeric edit field shown by the numeric line edit, which talks to the model itself; the
// binding redraws it on program changes and keeps its read-only state.
class NumericEditBinding : public Binding {
    Q_OBJECT

public:
    NumericEditBinding(model::NumericEdit& edit, QWidget* parent);
    widgets::NumericLineEdit* lineEdit() const { return line_; }

protected:
    void showValue(int index) override;
    void showLimits() override;

private:
    model::NumericEdit& edit_;
    widgets::NumericLineEdit* line_;
};

} // namespace regforge::gui::binding
