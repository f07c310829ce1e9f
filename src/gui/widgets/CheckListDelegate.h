#pragma once

#include <QStyledItemDelegate>

namespace regforge::gui::widgets {

// The rows of a list with a check box per item: tall enough for the style's check box with a
// little room above and below, and set off from the list's frame, so that no box is cut at any
// scale factor.
class CheckListDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

} // namespace regforge::gui::widgets
