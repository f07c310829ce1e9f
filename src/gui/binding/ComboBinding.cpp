#include "gui/binding/ComboBinding.h"

#include "gui/binding/Windows1252.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QListView>
#include <QPalette>

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
    // The model's filter decides which items the drop-down list offers.
    if (auto* list = qobject_cast<QListView*>(box_->view()))
        for (int i = 0; i < combo_.count(); ++i)
            list->setRowHidden(i, !combo_.shown(i));
    for (int i = 0; i < combo_.count(); ++i) {
        const model::ItemStyle style = combo_.itemStyle(i);
        if (style == model::ItemStyle{})
            continue;
        if (style.colour != model::kDefaultColour)
            box_->setItemData(i, QBrush(QColor::fromRgb(style.colour)), Qt::ForegroundRole);
        if (style.bold) {
            QFont font = box_->font();
            font.setBold(true);
            box_->setItemData(i, font, Qt::FontRole);
        }
    }
    showValue(-1);
}

void ComboBinding::showValue(int /*index*/) {
    // The closed box shows its current item the way the list draws it.
    const model::ItemStyle style = combo_.itemStyle(combo_.itemIndex());
    QFont font = box_->font();
    font.setBold(style.bold);
    box_->setFont(font);
    QPalette palette = box_->palette();
    palette.setColor(QPalette::ButtonText, style.colour != model::kDefaultColour
                                               ? QColor::fromRgb(style.colour)
                                               : QApplication::palette(box_).color(QPalette::ButtonText));
    palette.setColor(QPalette::Text, palette.color(QPalette::ButtonText));
    box_->setPalette(palette);
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
