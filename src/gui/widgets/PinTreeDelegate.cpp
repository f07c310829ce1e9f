#include "gui/widgets/PinTreeDelegate.h"

#include "gui/widgets/PinIcons.h"
#include "gui/widgets/PinTreeView.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace regforge::gui::widgets {

namespace {
// Room between the highlight's edge and the text.
constexpr int kTextPadding = 3;
} // namespace

PinTreeDelegate::PinTreeDelegate(PinTreeView& view) : QStyledItemDelegate(&view), view_(view) {}

void PinTreeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const PinTreeRow row = view_.rowLayout(index, opt.rect);
    const qreal ratio = painter->device()->devicePixelRatioF();
    if (const auto glyph = view_.stateGlyph(index); glyph && !row.stateIcon.isEmpty())
        painter->drawPixmap(row.stateIcon.topLeft(), glyphPixmap(*glyph, PinTreeView::kIconSize, ratio));
    if (const auto glyph = view_.imageGlyph(index); glyph && !row.image.isEmpty())
        painter->drawPixmap(row.image.topLeft(), glyphPixmap(*glyph, PinTreeView::kIconSize, ratio));

    const QFontMetrics metrics(opt.font);
    const int available = std::max(0, row.text.width() - 2 * kTextPadding);
    const QString text = metrics.elidedText(opt.text, Qt::ElideRight, available);
    const int textHeight = std::min(row.text.height(), metrics.height() + 2);
    const QRect box(row.text.left(), row.text.top() + (row.text.height() - textHeight) / 2,
                    metrics.horizontalAdvance(text) + 2 * kTextPadding, textHeight);

    const bool enabled = (opt.state & QStyle::State_Enabled) != 0;
    const bool active = (opt.state & QStyle::State_Active) != 0;
    const QPalette::ColorGroup group = !enabled ? QPalette::Disabled
                                       : active ? QPalette::Active
                                                : QPalette::Inactive;
    painter->save();
    const bool current = index == view_.currentIndex();
    if (current) {
        painter->fillRect(box, opt.palette.brush(group, QPalette::Highlight));
        painter->setPen(opt.palette.color(group, QPalette::HighlightedText));
    } else {
        painter->setPen(opt.palette.color(group, QPalette::Text));
    }
    painter->setFont(opt.font);
    painter->drawText(box.adjusted(kTextPadding, 0, -kTextPadding, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      text);
    if (current && (opt.state & QStyle::State_HasFocus) != 0) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(opt);
        focus.rect = box;
        focus.backgroundColor = opt.palette.color(group, QPalette::Highlight);
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

QSize PinTreeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QFontMetrics metrics(opt.font);
    const int height = std::max(PinTreeView::kIconSize + 3, metrics.height() + 5);
    const PinTreeRow row = view_.rowLayout(index, QRect(0, 0, 0, height));
    return {row.text.left() + metrics.horizontalAdvance(opt.text) + 2 * kTextPadding + 4, height};
}

} // namespace regforge::gui::widgets
