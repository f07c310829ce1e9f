#include "gui/widgets/PinTreeView.h"

#include "gui/widgets/PinTreeDelegate.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

namespace regforge::gui::widgets {

namespace {
constexpr int kLeftMargin = 2;
constexpr int kIconGap = 3;
} // namespace

PinTreeView::PinTreeView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    // The column is as wide as the longest open row; the view scrolls sideways beyond that.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    // The current row is the selected node; the delegate highlights it, so the view keeps no
    // selection of its own (which would also paint the indentation).
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    setIconSize(QSize(kIconSize, kIconSize));
    // Folding is asked for, never done by the view on its own.
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setItemDelegate(new PinTreeDelegate(*this));
}

void PinTreeView::setImageLists(const QString& stateList, const QString& imageList) {
    if (stateList == stateList_ && imageList == imageList_)
        return;
    stateList_ = stateList;
    imageList_ = imageList;
    stateListName_ = stateList.toStdString();
    imageListName_ = imageList.toStdString();
    scheduleDelayedItemsLayout();
    viewport()->update();
}

std::optional<PinGlyph> PinTreeView::stateGlyph(const QModelIndex& index) const {
    const QVariant value = index.data(StateRole);
    return value.isValid() ? glyphInList(stateListName_, value.toInt()) : std::nullopt;
}

std::optional<PinGlyph> PinTreeView::imageGlyph(const QModelIndex& index) const {
    const QVariant value = index.data(ImageRole);
    return value.isValid() ? glyphInList(imageListName_, value.toInt()) : std::nullopt;
}

PinTreeRow PinTreeView::rowLayout(const QModelIndex& index, const QRect& itemRect) const {
    PinTreeRow row;
    int x = itemRect.left() + kLeftMargin;
    const int top = itemRect.top() + (itemRect.height() - kIconSize) / 2;
    // Every row keeps room for a state icon, and top-level rows for a normal icon, so that the
    // names line up whether or not a row shows one.
    if (!stateListName_.empty()) {
        if (stateGlyph(index))
            row.stateIcon = QRect(x, top, kIconSize, kIconSize);
        x += kIconSize + kIconGap;
    }
    const bool image = imageGlyph(index).has_value();
    if (!imageListName_.empty() && (image || !index.parent().isValid())) {
        if (image)
            row.image = QRect(x, top, kIconSize, kIconSize);
        x += kIconSize + kIconGap;
    }
    row.text = QRect(x, itemRect.top(), std::max(0, itemRect.right() + 1 - x), itemRect.height());
    return row;
}

PinTreePart PinTreeView::partAt(const QPoint& pos, QTreeWidgetItem** item) const {
    const QModelIndex index = indexAt(pos);
    QTreeWidgetItem* hit = index.isValid() ? itemFromIndex(index) : nullptr;
    if (item != nullptr)
        *item = hit;
    if (hit == nullptr)
        return PinTreePart::None;
    const QRect rect = visualRect(index);
    if (pos.x() < rect.left()) {
        // The last step of the indentation holds the fold button.
        return hit->childCount() > 0 && pos.x() >= rect.left() - indentation() ? PinTreePart::Button
                                                                               : PinTreePart::None;
    }
    // An icon takes the full height of its row.
    const PinTreeRow row = rowLayout(index, rect);
    const auto within = [&pos](const QRect& slot) {
        return !slot.isEmpty() && pos.x() >= slot.left() && pos.x() <= slot.right();
    };
    if (within(row.stateIcon))
        return PinTreePart::StateIcon;
    if (within(row.image))
        return PinTreePart::Image;
    return PinTreePart::Text;
}

void PinTreeView::requestToggle(QTreeWidgetItem* item, PinTreePart part) {
    if (item != nullptr && item->childCount() > 0)
        Q_EMIT foldRequested(item, !item->isExpanded(), part);
}

void PinTreeView::mousePressEvent(QMouseEvent* event) {
    pressed_ = QPersistentModelIndex();
    QTreeWidgetItem* item = nullptr;
    const PinTreePart part = partAt(event->position().toPoint(), &item);
    event->accept();
    if (item == nullptr || part == PinTreePart::None)
        return;
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        if (part == PinTreePart::Button)
            requestToggle(item, part);
        pressed_ = QPersistentModelIndex(indexFromItem(item));
        pressedPart_ = part;
    } else if (event->button() == Qt::RightButton) {
        Q_EMIT partClicked(item, part, Qt::RightButton);
    }
}

void PinTreeView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressed_.isValid())
        return;
    QTreeWidgetItem* pressed = itemFromIndex(pressed_);
    pressed_ = QPersistentModelIndex();
    if (pressed != nullptr && itemAt(event->position().toPoint()) == pressed)
        Q_EMIT partClicked(pressed, pressedPart_, Qt::LeftButton);
}

// The double-click event stands for the second press; its release that follows is no click.
void PinTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = QPersistentModelIndex();
    QTreeWidgetItem* item = nullptr;
    const PinTreePart part = partAt(event->position().toPoint(), &item);
    event->accept();
    if (item == nullptr || part == PinTreePart::None)
        return;
    if (event->button() == Qt::RightButton) {
        Q_EMIT partClicked(item, part, Qt::RightButton);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const QPersistentModelIndex index(indexFromItem(item));
    Q_EMIT partDoubleClicked(item, part);
    if (index.isValid())
        requestToggle(itemFromIndex(index), part);
}

void PinTreeView::mouseMoveEvent(QMouseEvent* event) {
    // Dragging never selects: the selection is the data owner's.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

// Resting on an icon shows what it means and what a click on it does.
bool PinTreeView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QTreeWidget::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    QTreeWidgetItem* item = nullptr;
    const PinTreePart part = partAt(help->pos(), &item);
    const bool icon = part == PinTreePart::StateIcon || part == PinTreePart::Image;
    const QString text = icon && item != nullptr && iconHints_ ? iconHints_(item, part) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const QModelIndex index = indexFromItem(item);
    const PinTreeRow row = rowLayout(index, visualRect(index));
    QToolTip::showText(help->globalPos(), text, viewport(),
                       part == PinTreePart::StateIcon ? row.stateIcon : row.image);
    return true;
}

// The menu key opens the current row's menu; the right button a row's, except on its normal
// icon, where the press itself is the click that swaps the icon's value.
void PinTreeView::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* item = nullptr;
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        if (partAt(event->pos(), &item) == PinTreePart::Image)
            item = nullptr;
    } else if ((item = currentItem()) != nullptr) {
        const QRect row = visualItemRect(item);
        at = viewport()->mapToGlobal(QPoint(row.left() + kIconSize, row.bottom()));
    }
    if (item == nullptr || !menuSource_) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    menuSource_(item, menu);
    if (menu.isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
    menu.exec(at);
}

void PinTreeView::keyPressEvent(QKeyEvent* event) {
    if (keyHandler_ && currentItem() != nullptr) {
        // The keypad's Enter is the same key as Return's neighbour on the main block.
        const QKeyCombination chord(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
        if (keyHandler_(currentItem(), QKeySequence(chord).toString(QKeySequence::PortableText))) {
            event->accept();
            return;
        }
    }
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        Q_EMIT spacePressed();
    QTreeWidgetItem* item = currentItem();
    if (item != nullptr && item->childCount() > 0 && event->modifiers() == Qt::NoModifier) {
        const int key = event->key();
        const bool open = key == Qt::Key_Plus || (key == Qt::Key_Right && !item->isExpanded());
        const bool close = key == Qt::Key_Minus || (key == Qt::Key_Left && item->isExpanded());
        if (open || close) {
            if (item->isExpanded() != open)
                Q_EMIT foldRequested(item, open, PinTreePart::Text);
            event->accept();
            return;
        }
    }
    QTreeWidget::keyPressEvent(event);
}

} // namespace regforge::gui::widgets
