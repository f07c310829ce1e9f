#include "gui/pages/ColumnFlowLayout.h"

#include <QWidget>
#include <algorithm>

namespace regforge::gui::pages {

ColumnFlowLayout::ColumnFlowLayout(QWidget* parent, int spacing) : QLayout(parent), spacing_(spacing) {
    setContentsMargins(0, 0, 0, 0);
}

ColumnFlowLayout::~ColumnFlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void ColumnFlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

int ColumnFlowLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* ColumnFlowLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? items_.at(index) : nullptr;
}

QLayoutItem* ColumnFlowLayout::takeAt(int index) {
    return index >= 0 && index < count() ? items_.takeAt(index) : nullptr;
}

QList<QLayoutItem*> ColumnFlowLayout::shownItems() const {
    QList<QLayoutItem*> shown;
    for (QLayoutItem* item : items_)
        if (!item->isEmpty())
            shown.append(item);
    return shown;
}

int ColumnFlowLayout::widestMinimum(const QList<QLayoutItem*>& items) const {
    int widest = 0;
    for (const QLayoutItem* item : items)
        widest = std::max(widest, std::max(item->minimumSize().width(), item->sizeHint().width()));
    return widest;
}

int ColumnFlowLayout::columnsFor(int width) const {
    const QList<QLayoutItem*> shown = shownItems();
    if (shown.isEmpty())
        return 1;
    const int widest = std::max(widestMinimum(shown), 1);
    const int fit = (width + spacing_) / (widest + spacing_);
    return std::clamp(fit, 1, static_cast<int>(shown.size()));
}

int ColumnFlowLayout::columnWidth(int width, int columns) const {
    return std::max((width - spacing_ * (columns - 1)) / columns, 0);
}

QList<int> ColumnFlowLayout::rowHeights(const QList<QLayoutItem*>& items, int columns, int cellWidth) const {
    QList<int> heights;
    for (int i = 0; i < items.size(); ++i) {
        const QLayoutItem* item = items.at(i);
        const int height =
            item->hasHeightForWidth() ? item->heightForWidth(cellWidth) : item->sizeHint().height();
        const int needed = std::max(height, item->minimumSize().height());
        if (i % columns == 0)
            heights.append(needed);
        else
            heights.back() = std::max(heights.back(), needed);
    }
    return heights;
}

int ColumnFlowLayout::heightForWidth(int width) const {
    const QMargins margins = contentsMargins();
    const int inner = width - margins.left() - margins.right();
    const QList<QLayoutItem*> shown = shownItems();
    const int columns = columnsFor(inner);
    const QList<int> heights = rowHeights(shown, columns, columnWidth(inner, columns));
    int total = 0;
    for (const int height : heights)
        total += height;
    if (!heights.isEmpty())
        total += spacing_ * static_cast<int>(heights.size() - 1);
    return total + margins.top() + margins.bottom();
}

QSize ColumnFlowLayout::minimumSize() const {
    const QMargins margins = contentsMargins();
    const QList<QLayoutItem*> shown = shownItems();
    int tallest = 0;
    for (const QLayoutItem* item : shown)
        tallest = std::max(tallest, item->minimumSize().height());
    return {widestMinimum(shown) + margins.left() + margins.right(),
            tallest + margins.top() + margins.bottom()};
}

QSize ColumnFlowLayout::sizeHint() const {
    const QSize minimum = minimumSize();
    return {minimum.width(), heightForWidth(minimum.width())};
}

Qt::Orientations ColumnFlowLayout::expandingDirections() const {
    Qt::Orientations directions;
    for (const QLayoutItem* item : items_)
        directions |= item->expandingDirections();
    return directions;
}

void ColumnFlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QRect area = rect.marginsRemoved(contentsMargins());
    const QList<QLayoutItem*> shown = shownItems();
    if (shown.isEmpty())
        return;
    const int columns = columnsFor(area.width());
    const int cellWidth = columnWidth(area.width(), columns);
    QList<int> heights = rowHeights(shown, columns, cellWidth);

    // The height left over goes to the rows that hold a block able to grow.
    int used = spacing_ * static_cast<int>(heights.size() - 1);
    for (const int height : heights)
        used += height;
    QList<int> growing;
    for (int row = 0; row < heights.size(); ++row)
        for (int column = 0; column < columns && row * columns + column < shown.size(); ++column)
            if (shown.at(row * columns + column)->expandingDirections() & Qt::Vertical) {
                growing.append(row);
                break;
            }
    const int spare = area.height() - used;
    if (spare > 0 && !growing.isEmpty())
        for (int i = 0; i < growing.size(); ++i)
            heights[growing.at(i)] += spare / static_cast<int>(growing.size()) +
                                      (i < spare % static_cast<int>(growing.size()) ? 1 : 0);

    int top = area.top();
    for (int row = 0; row < heights.size(); ++row) {
        for (int column = 0; column < columns; ++column) {
            const int index = row * columns + column;
            if (index >= shown.size())
                break;
            const int left = area.left() + column * (cellWidth + spacing_);
            shown.at(index)->setGeometry(QRect(left, top, cellWidth, heights.at(row)));
        }
        top += heights.at(row) + spacing_;
    }
}

} // namespace regforge::gui::pages
