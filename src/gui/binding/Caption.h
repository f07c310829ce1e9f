#pragma once

#include "model/Control.h"

#include <QColor>
#include <QString>
#include <optional>
#include <string>

namespace regforge::gui::binding {

// A caption for widgets that underline an accelerator themselves (buttons, check boxes, group
// boxes, tabs, menu items): they read "&&" as "&" just like the model's captions do.
QString acceleratedCaption(const std::string& caption);
// A caption for widgets that show text as it is (labels, panels): "&&" becomes "&" and a lone
// "&" marking an accelerator is dropped.
QString plainCaption(const std::string& caption);

// The colour, or nothing for the model's "window text colour".
std::optional<QColor> toQColor(model::Colour colour);

} // namespace regforge::gui::binding
