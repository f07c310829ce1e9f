#include "gui/widgets/CheckListDelegate.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

namespace regforge::gui::widgets {

namespace {

constexpr int kLeftMargin = 3;
constexpr int kRoom = 2;

QStyleOptionViewItem inset(const QStyleOptionViewItem& option) {
    QStyleOptionViewItem inner(option);
    inner.rect.adjust(kLeftMargin, 0, 0, 0);
    return inner;
}

} // namespace

QSize CheckListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    const int box = style->pixelMetric(QStyle::PM_IndicatorHeight, &option, option.widget);
    size.setHeight(std::max(size.height(), box + 2 * kRoom));
    size.rwidth() += kLeftMargin;
    return size;
}

void CheckListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, inset(option), index);
}

// A click hits the box where it is drawn.
bool CheckListDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                    const QStyleOptionViewItem& option, const QModelIndex& index) {
    return QStyledItemDelegate::editorEvent(event, model, inset(option), index);
}

} // namespace regforge::gui::widgets
