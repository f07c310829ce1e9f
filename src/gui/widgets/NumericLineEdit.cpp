#include "gui/widgets/NumericLineEdit.h"

#include "gui/binding/Windows1252.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

namespace regforge::gui::widgets {

using binding::fromWindows1252;
using binding::toWindows1252;

NumericLineEdit::NumericLineEdit(model::NumericEdit& edit, QWidget* parent) : QLineEdit(parent), edit_(edit) {
    // Dropped text would bypass the field's rules.
    setAcceptDrops(false);
    showModelText();
}

void NumericLineEdit::showModelText() {
    const QString text = fromWindows1252(edit_.shownText());
    if (QLineEdit::text() == text)
        return;
    const int caret = cursorPosition();
    setText(text);
    setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}

NumericLineEdit::Selection NumericLineEdit::selection() const {
    if (hasSelectedText())
        return {selectionStart(), selectionLength()};
    return {cursorPosition(), 0};
}

void NumericLineEdit::showCaret(std::optional<int> caret) {
    showModelText();
    if (caret)
        setCursorPosition(*caret);
}

void NumericLineEdit::typeText(const QString& text) {
    for (const QChar ch : text) {
        if (!ch.isPrint())
            continue;
        const std::string byte = toWindows1252(QString(ch));
        // A character the code page cannot hold is no key the field knows.
        if (byte.size() != 1 || (byte[0] == '?' && ch != u'?'))
            continue;
        const Selection sel = selection();
        const auto caret = edit_.keyPress(byte[0], sel.start, sel.length);
        if (caret)
            showCaret(caret);
    }
}

void NumericLineEdit::pasteText(const QString& text) {
    const Selection sel = selection();
    if (const auto caret = edit_.paste(toWindows1252(text), sel.start, sel.length))
        showCaret(caret);
}

void NumericLineEdit::deleteSelectionOrNext() {
    const Selection sel = selection();
    showCaret(edit_.deleteForward(sel.start, sel.length));
}

void NumericLineEdit::cutSelection() {
    if (!hasSelectedText() || edit_.readOnly())
        return;
    copy();
    deleteSelectionOrNext();
}

void NumericLineEdit::keyPressEvent(QKeyEvent* event) {
    if (edit_.readOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteText(QGuiApplication::clipboard()->text());
    } else if (event->matches(QKeySequence::Cut)) {
        cutSelection();
    } else if (event->matches(QKeySequence::Delete)) {
        deleteSelectionOrNext();
    } else if (event->key() == Qt::Key_Backspace && !(event->modifiers() & Qt::ControlModifier)) {
        const Selection sel = selection();
        showCaret(edit_.keyPress('\b', sel.start, sel.length));
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        edit_.pressEnter();
        showModelText();
        // The window may act on Enter as well (a dialog applies), as with any line edit.
        event->ignore();
        return;
    } else if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
               event->matches(QKeySequence::DeleteStartOfWord) ||
               event->matches(QKeySequence::DeleteEndOfWord) ||
               event->matches(QKeySequence::DeleteEndOfLine) ||
               event->matches(QKeySequence::DeleteCompleteLine) || event->key() == Qt::Key_Backspace) {
        // Edits the field's rules know nothing about; the text stays as it is.
    } else if (!event->text().isEmpty() && event->text().front().isPrint() &&
               !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        typeText(event->text());
    } else {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void NumericLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    // Composed characters arrive here instead of as key presses; they follow the same rules.
    if (!edit_.readOnly() && !event->commitString().isEmpty())
        typeText(event->commitString());
    event->accept();
}

void NumericLineEdit::focusOutEvent(QFocusEvent* event) {
    // A popup menu or another window taking the focus for a while is no leaving the field.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        edit_.leave();
        showModelText();
    }
    QLineEdit::focusOutEvent(event);
}

void NumericLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    if (popupRequest_ && popupRequest_(event->globalPos())) {
        event->accept();
        return;
    }
    showStandardMenu(event->globalPos());
    event->accept();
}

void NumericLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the X selection; it obeys the field's rules like any paste.
    if (event->button() == Qt::MiddleButton) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection() && !edit_.readOnly()) {
            deselect();
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            pasteText(clipboard->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumericLineEdit::showStandardMenu(const QPoint& globalPos) {
    const bool editable = !edit_.readOnly() && isEnabled();
    QMenu menu(this);
    QAction* cut = menu.addAction(tr("Cu&t"), this, [this] { cutSelection(); });
    cut->setEnabled(editable && hasSelectedText());
    QAction* copyAction = menu.addAction(tr("&Copy"), this, [this] { copy(); });
    copyAction->setEnabled(hasSelectedText());
    QAction* pasteAction =
        menu.addAction(tr("&Paste"), this, [this] { pasteText(QGuiApplication::clipboard()->text()); });
    pasteAction->setEnabled(editable && !QGuiApplication::clipboard()->text().isEmpty());
    QAction* remove = menu.addAction(tr("&Delete"), this, [this] { deleteSelectionOrNext(); });
    remove->setEnabled(editable && hasSelectedText());
    menu.addSeparator();
    QAction* all = menu.addAction(tr("Select &All"), this, [this] { selectAll(); });
    all->setEnabled(!text().isEmpty());
    menu.exec(globalPos);
}

} // namespace regforge::gui::widgets
