#include "gui/binding/TreeBinding.h"

#include "gui/binding/Windows1252.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeWidget>
#include <algorithm>

namespace regforge::gui::binding {

TreeBinding::TreeBinding(model::Tree& tree, QWidget* parent)
    : Binding(tree, new QTreeWidget(parent)), tree_(tree), view_(static_cast<QTreeWidget*>(widget())) {
    view_->setHeaderHidden(true);
    view_->setColumnCount(1);
    view_->viewport()->installEventFilter(this);
    connect(view_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { tree_.setExpanded(indexOf(item), true); });
    connect(view_, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { tree_.setExpanded(indexOf(item), false); });
    connect(view_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { userAction([&] { tree_.setSelected(indexOf(item)); }); });
}

int TreeBinding::indexOf(const QTreeWidgetItem* item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TreeBinding::rebuild() {
    view_->clear();
    items_.clear();
    items_.reserve(static_cast<std::size_t>(tree_.count()));
    for (int i = 0; i < tree_.count(); ++i) {
        const int parent = tree_.parentOf(i);
        if (parent >= 0)
            items_.push_back(new QTreeWidgetItem(items_[static_cast<std::size_t>(parent)]));
        else
            items_.push_back(new QTreeWidgetItem(view_));
    }
    for (int i = 0; i < tree_.count(); ++i)
        showOne(i);
    showValue(-1);
}

void TreeBinding::showOne(int index) {
    QTreeWidgetItem* item = items_[static_cast<std::size_t>(index)];
    const model::TreeNode& node = tree_.node(index);
    item->setText(0, fromWindows1252(node.text));
    QFont font = item->font(0);
    if (font.bold() != node.bold) {
        font.setBold(node.bold);
        item->setFont(0, font);
    }
    item->setExpanded(node.expanded);
}

void TreeBinding::showNode(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size() ||
        items_.size() != static_cast<std::size_t>(tree_.count()))
        rebuild();
    else
        showOne(index);
}

void TreeBinding::showValue(int /*index*/) {
    const int selected = tree_.selected();
    view_->setCurrentItem(selected >= 0 && static_cast<std::size_t>(selected) < items_.size()
                              ? items_[static_cast<std::size_t>(selected)]
                              : nullptr);
}

bool TreeBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport() &&
        (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int index = indexOf(view_->itemAt(mouse->position().toPoint()));
        if (index >= 0 && event->type() == QEvent::MouseButtonDblClick)
            tree_.nodeDoubleClicked.emit(tree_, index, model::TreeHitPart::Text);
        else if (index >= 0 && (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton))
            tree_.clickNode(index, model::TreeHitPart::Text,
                            mouse->button() == Qt::LeftButton ? model::MouseButton::Left
                                                              : model::MouseButton::Right);
        return false;
    }
    return Binding::eventFilter(watched, event);
}

} // namespace regforge::gui::binding
