#pragma once

#include "gui/binding/Binding.h"
#include "model/Containers.h"

namespace regforge::gui::binding {

// The main window: caption and outer size. The window itself is made by the program, not by
// the binder, and it decides itself when it is shown.
class FormBinding : public Binding {
    Q_OBJECT

public:
    FormBinding(model::Form& form, QWidget* window);

    // Resizes the window so that its outer size, frame included, is the form's size.
    void applyOuterSize();

protected:
    void showVisible(bool visible) override;
    void showCaption() override;
    void showGeometry() override;

private:
    model::Form& form_;
};

} // namespace regforge::gui::binding
