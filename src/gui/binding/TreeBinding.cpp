#include "gui/binding/TreeBinding.h"

#include "gui/binding/Windows1252.h"
#include "gui/widgets/PinTreeView.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace regforge::gui::binding {

namespace {

// The node a row shows, kept with the row.
constexpr int kNodeRole = Qt::UserRole + 10;

model::TreeHitPart toModel(widgets::PinTreePart part) {
    switch (part) {
    case widgets::PinTreePart::Button:
        return model::TreeHitPart::Button;
    case widgets::PinTreePart::StateIcon:
        return model::TreeHitPart::StateIcon;
    case widgets::PinTreePart::Image:
        return model::TreeHitPart::Image;
    case widgets::PinTreePart::None:
    case widgets::PinTreePart::Text:
        break;
    }
    return model::TreeHitPart::Text;
}

} // namespace

TreeBinding::TreeBinding(model::Tree& tree, QWidget* parent)
    : Binding(tree, new widgets::PinTreeView(parent)), tree_(tree),
      view_(static_cast<widgets::PinTreeView*>(widget())) {
    using widgets::PinTreePart;
    using widgets::PinTreeView;
    connect(view_, &PinTreeView::partClicked, this,
            [this](QTreeWidgetItem* item, PinTreePart part, Qt::MouseButton button) {
                const int index = indexOf(item);
                if (index < 0)
                    return;
                userAction([&] {
                    tree_.clickNode(index, toModel(part),
                                    button == Qt::RightButton ? model::MouseButton::Right
                                                              : model::MouseButton::Left);
                });
            });
    connect(view_, &PinTreeView::partDoubleClicked, this, [this](QTreeWidgetItem* item, PinTreePart part) {
        const int index = indexOf(item);
        if (index >= 0)
            userAction([&] { tree_.nodeDoubleClicked.emit(tree_, index, toModel(part)); });
    });
    connect(view_, &PinTreeView::foldRequested, this,
            [this](QTreeWidgetItem* item, bool expand, PinTreePart mouseOver) {
                const int index = indexOf(item);
                if (index >= 0)
                    tree_.requestExpanded(index, expand, toModel(mouseOver));
            });
    // Keys and the context menu run the actions the page offers on a node.
    view_->setKeyHandler([this](QTreeWidgetItem* row, const QString& keys) {
        const int index = indexOf(row);
        for (const model::TreeAction& action : tree_.actions(index))
            for (const std::string& key : action.keys)
                if (keys == QString::fromStdString(key)) {
                    userAction([&] { tree_.chooseAction(index, action.id); });
                    return true;
                }
        return false;
    });
    view_->setMenuSource([this](QTreeWidgetItem* row, QMenu& menu) {
        const int index = indexOf(row);
        for (const model::TreeAction& action : tree_.actions(index)) {
            QAction* entry = menu.addAction(fromWindows1252(action.caption));
            if (!action.keys.empty())
                entry->setShortcut(QKeySequence(QString::fromStdString(action.keys.front())));
            const int id = action.id;
            connect(entry, &QAction::triggered, this,
                    [this, index, id] { userAction([&] { tree_.chooseAction(index, id); }); });
        }
    });
    connect(view_, &PinTreeView::spacePressed, this, [this] { userAction([&] { tree_.pressKey(' '); }); });
    view_->setIconHintSource([this](QTreeWidgetItem* row, PinTreePart part) {
        const int index = indexOf(row);
        return index < 0 ? QString() : fromWindows1252(tree_.iconHint(index, toModel(part)));
    });
    // Rows folded by other means than the user's requests (accessibility, the program) keep
    // the model in step; the model's own changes arrive with these signals blocked.
    connect(view_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* row) { tree_.setExpanded(indexOf(row), true); });
    connect(view_, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* row) { tree_.setExpanded(indexOf(row), false); });
    // Keyboard moves go to the model; mouse clicks select through the model's click handling.
    connect(view_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        const int index = indexOf(current);
        if (index >= 0)
            userAction([&] { tree_.setSelected(index); });
    });
    scrollConnection_ = tree_.scrollRequested.connect([this](int index) {
        if (QTreeWidgetItem* row = item(index))
            view_->scrollToItem(row, QAbstractItemView::EnsureVisible);
    });
}

TreeBinding::~TreeBinding() {
    tree_.scrollRequested.disconnect(scrollConnection_);
}

QTreeWidgetItem* TreeBinding::item(int node) const {
    return node >= 0 && static_cast<std::size_t>(node) < items_.size()
               ? items_[static_cast<std::size_t>(node)]
               : nullptr;
}

int TreeBinding::indexOf(const QTreeWidgetItem* item) const {
    if (item == nullptr)
        return -1;
    const int index = item->data(0, kNodeRole).toInt();
    return this->item(index) == item ? index : -1;
}

// The model only ever grows by nodes added at the end or is cleared, so a longer tree gets
// rows for its new nodes and a shorter one is built again; the same length means the image
// lists or the whole tree's looks changed.
void TreeBinding::showTree() {
    view_->setImageLists(fromWindows1252(tree_.stateImageList()), fromWindows1252(tree_.imageList()));
    const auto count = static_cast<std::size_t>(tree_.count());
    if (count < items_.size()) {
        view_->clear();
        items_.clear();
    }
    const std::size_t first = count == items_.size() ? 0 : items_.size();
    // The loader adds one node at a time: the rows grow as the vector grows, never by one.
    for (std::size_t i = items_.size(); i < count; ++i) {
        const int parent = tree_.parentOf(static_cast<int>(i));
        QTreeWidgetItem* row = parent >= 0 ? new QTreeWidgetItem(items_[static_cast<std::size_t>(parent)])
                                           : new QTreeWidgetItem(view_);
        row->setData(0, kNodeRole, static_cast<int>(i));
        items_.push_back(row);
    }
    for (std::size_t i = first; i < count; ++i)
        showOne(static_cast<int>(i));
    showValue(-1);
}

void TreeBinding::showOne(int index) {
    QTreeWidgetItem* row = items_[static_cast<std::size_t>(index)];
    const model::TreeNode& node = tree_.node(index);
    row->setText(0, fromWindows1252(node.text));
    row->setData(0, widgets::PinTreeView::StateRole, node.stateIndex);
    row->setData(0, widgets::PinTreeView::ImageRole, node.imageIndex);
    QFont font = row->font(0);
    if (font.bold() != node.bold) {
        font.setBold(node.bold);
        row->setFont(0, font);
    }
    if (row->isExpanded() != node.expanded)
        row->setExpanded(node.expanded);
}

void TreeBinding::showNode(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size() &&
        items_.size() == static_cast<std::size_t>(tree_.count()))
        showOne(index);
    else
        showTree();
}

void TreeBinding::showValue(int /*index*/) {
    QTreeWidgetItem* selected = item(tree_.selected());
    if (view_->currentItem() != selected)
        view_->setCurrentItem(selected);
}

} // namespace regforge::gui::binding
