#include "gui/binding/TextBindings.h"

#include "gui/binding/Caption.h"
#include "gui/binding/Windows1252.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace regforge::gui::binding {

LabelBinding::LabelBinding(model::Control& control, QWidget* parent)
    : Binding(control, new QLabel(parent)), label_(static_cast<QLabel*>(widget())) {
    // Captions are never markup, whatever they hold.
    label_->setTextFormat(Qt::PlainText);
    forwardClicks();
}

void LabelBinding::showCaption() {
    Binding::showCaption();
    label_->setText(plainCaption(control().caption()));
}

EditBinding::EditBinding(model::Edit& edit, QWidget* parent)
    : Binding(edit, new QLineEdit(parent)), edit_(edit), line_(static_cast<QLineEdit*>(widget())) {
    connect(line_, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit_.setText(toWindows1252(text)); });
}

void EditBinding::showValue(int /*index*/) {
    const QString text = fromWindows1252(edit_.text());
    if (line_->text() != text)
        line_->setText(text);
}

MemoBinding::MemoBinding(model::Memo& memo, QWidget* parent)
    : Binding(memo, new QPlainTextEdit(parent)), memo_(memo), text_(static_cast<QPlainTextEdit*>(widget())) {
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void MemoBinding::showValue(int /*index*/) {
    QString text;
    for (std::size_t i = 0; i < memo_.lines().size(); ++i) {
        if (i > 0)
            text.append(u'\n');
        text.append(fromWindows1252(memo_.lines()[i]));
    }
    text_->setPlainText(text);
}

} // namespace regforge::gui::binding
