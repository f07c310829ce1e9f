#include "gui/widgets/SlotNumberDelegate.h"

#include <QPainter>

namespace regforge::gui::widgets {

void SlotNumberDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QVariant number = index.data(NumberRole);
    if (!number.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // Room for "-1" and two digits, right-aligned so the numbers line up.
    const int gutter = option.fontMetrics.horizontalAdvance(QStringLiteral("-00")) + 8;
    QStyleOptionViewItem textOption(option);
    textOption.rect.setLeft(option.rect.left() + gutter);
    QStyledItemDelegate::paint(painter, textOption, index);

    painter->save();
    const QRect numberRect(option.rect.left(), option.rect.top(), gutter - 6, option.rect.height());
    painter->fillRect(QRect(option.rect.left(), option.rect.top(), gutter, option.rect.height()),
                      option.palette.alternateBase());
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(numberRect, Qt::AlignRight | Qt::AlignVCenter, QString::number(number.toInt()));
    painter->restore();
}

} // namespace regforge::gui::widgets
