#pragma once

#include "gui/binding/Binding.h"
#include "model/CheckControls.h"

class QPushButton;

namespace regforge::gui::binding {

// A push button: a press runs the control's click.
class ButtonBinding : public Binding {
    Q_OBJECT

public:
    ButtonBinding(model::Control& control, QWidget* parent);

protected:
    void showCaption() override;

private:
    QPushButton* button_;
};

// A button that can stay down. A press only runs the click; the handler decides whether the
// button goes down, so the widget shows the model's state afterwards.
class ToggleButtonBinding : public Binding {
    Q_OBJECT

public:
    ToggleButtonBinding(model::ToggleButton& toggle, QWidget* parent);

protected:
    void showCaption() override;
    void showValue(int index) override;

private:
    model::ToggleButton& toggle_;
    QPushButton* button_;
};

} // namespace regforge::gui::binding
