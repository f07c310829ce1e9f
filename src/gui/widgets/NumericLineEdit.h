#pragma once

#include "model/NumericEdit.h"

#include <QLineEdit>
#include <functional>
#include <optional>

namespace regforge::gui::widgets {

// The numeric edit field's view. Every key, paste, cut and delete goes to the model, which
// decides what the field holds; the widget then shows the model's text with the caret where
// the model puts it. Cursor keys, selection and copying stay the line edit's own.
class NumericLineEdit : public QLineEdit {
    Q_OBJECT

public:
    NumericLineEdit(model::NumericEdit& edit, QWidget* parent = nullptr);

    // Shows the model's text; the caret stays where it was, within the new text.
    void showModelText();
    // The edit this field shows.
    const model::NumericEdit& model() const { return edit_; }

    // Asked on a right click: true when it showed a popup of its own; otherwise the field
    // shows its standard edit menu.
    using PopupRequest = std::function<bool(const QPoint& globalPos)>;
    void setPopupRequest(PopupRequest request) { popupRequest_ = std::move(request); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Selection {
        int start;
        int length;
    };
    Selection selection() const;
    void showCaret(std::optional<int> caret);
    void typeText(const QString& text);
    void pasteText(const QString& text);
    void deleteSelectionOrNext();
    void cutSelection();
    void showStandardMenu(const QPoint& globalPos);

    model::NumericEdit& edit_;
    PopupRequest popupRequest_;
};

} // namespace regforge::gui::widgets
