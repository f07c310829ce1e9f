#pragma once

#include <QStyledItemDelegate>

namespace regforge::gui::widgets {

// Draws a list row with its slot number in a gutter before the text ("-1" for the fast
// interrupt entry). Rows without a number (NumberRole unset) are drawn as usual.
class SlotNumberDelegate : public QStyledItemDelegate {
public:
    static constexpr int NumberRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace regforge::gui::widgets
