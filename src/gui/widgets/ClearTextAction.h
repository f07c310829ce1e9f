#pragma once

class QLineEdit;

namespace regforge::gui::widgets {

// A clear button inside a line edit, drawn by our own code. Qt's own clear button looks its
// icon up in the desktop's icon themes, which reads every theme's index the first time and
// costs as much as the rest of the window's start together. The button shows while the edit
// holds text; pressing it empties the edit as if the user had deleted the text (textEdited).
void addClearTextAction(QLineEdit& edit);

} // namespace regforge::gui::widgets
