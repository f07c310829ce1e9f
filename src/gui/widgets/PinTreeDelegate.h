#pragma once

#include <QStyledItemDelegate>

namespace regforge::gui::widgets {

class PinTreeView;

// Draws one row of the pin tree: state icon, normal icon, then the text, highlighted behind
// the text alone while the row is selected.
class PinTreeDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit PinTreeDelegate(PinTreeView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    PinTreeView& view_;
};

} // namespace regforge::gui::widgets
