#include "gui/binding/ComboBinding.h"

#include "gui/binding/Windows1252.h"

#include <QComboBox>
#include <QLineEdit>

namespace regforge::gui::binding {

ComboBinding::ComboBinding(model::ComboBox& combo, QWidget* parent)
    : Binding(combo, new QComboBox(parent)), combo_(combo), box_(static_cast<QComboBox*>(widget())) {
    box_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(box_, &QComboBox::activated, this,
            [this](int index) { userAction([&] { combo_.setItemIndex(index); }); });
}

void ComboBinding::showLimits() {
    box_->setMaxVisibleItems(combo_.dropDownCount());
    if (box_->isEditable() == combo_.editable())
        return;
    box_->setEditable(combo_.editable());
    box_->setInsertPolicy(QComboBox::NoInsert);
    if (QLineEdit* line = box_->lineEdit()) {
        line->setObjectName(box_->objectName() + "_text");
        connect(line, &QLineEdit::textEdited, this,
                [this](const QString& text) { combo_.setText(toWindows1252(text)); });
    }
    showValue(-1);
}

void ComboBinding::showItems(int /*index*/) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(combo_.items().size()));
    for (const auto& item : combo_.items())
        items.append(fromWindows1252(item));
    box_->clear();
    box_->addItems(items);
    showValue(-1);
}

void ComboBinding::showValue(int /*index*/) {
    if (!box_->isEditable()) {
        box_->setCurrentIndex(combo_.itemIndex());
        return;
    }
    // While the user types, the model already holds the typed text: leave the caret alone.
    const QString text = fromWindows1252(combo_.text());
    if (box_->currentText() == text && box_->currentIndex() == combo_.itemIndex())
        return;
    box_->setCurrentIndex(combo_.itemIndex());
    if (box_->currentText() != text)
        box_->setEditText(text);
}

} // namespace regforge::gui::binding
