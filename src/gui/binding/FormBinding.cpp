#include "gui/binding/FormBinding.h"

#include "gui/binding/Windows1252.h"

#include <QWidget>

namespace regforge::gui::binding {

FormBinding::FormBinding(model::Form& form, QWidget* window) : Binding(form, window), form_(form) {}

void FormBinding::applyOuterSize() {
    QWidget* window = widget();
    if (window == nullptr || form_.width() <= 0 || form_.height() <= 0)
        return;
    // Before the window manager has framed the window both sizes are equal.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    window->resize(form_.width() - frame.width(), form_.height() - frame.height());
}

void FormBinding::showVisible(bool /*visible*/) {}

void FormBinding::showCaption() {
    Binding::showCaption();
    if (QWidget* window = widget())
        window->setWindowTitle(fromWindows1252(form_.caption()));
}

void FormBinding::showGeometry() {
    applyOuterSize();
}

} // namespace regforge::gui::binding
