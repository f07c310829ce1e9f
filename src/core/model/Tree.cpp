#include "model/Tree.h"

namespace regforge::model {

void Tree::clear() {
    nodes_.clear();
    parents_.clear();
    selected_ = -1;
    notifyView(Aspect::Node, -1);
}

int Tree::addNode(int parentIndex, std::string text) {
    TreeNode node;
    node.text = std::move(text);
    const bool underParent = parentIndex >= 0 && parentIndex < count();
    node.level = underParent ? nodes_[static_cast<std::size_t>(parentIndex)].level + 1 : 0;
    nodes_.push_back(std::move(node));
    parents_.push_back(underParent ? parentIndex : -1);
    notifyView(Aspect::Node, -1);
    return count() - 1;
}

int Tree::parentOf(int index) const {
    if (index <= 0 || index >= count())
        return -1;
    return parents_[static_cast<std::size_t>(index)];
}

std::vector<int> Tree::childrenOf(int index) const {
    std::vector<int> out;
    const int level = (index >= 0 && index < count()) ? nodes_[index].level : -1;
    for (int i = index + 1; i < count() && nodes_[i].level > level; ++i)
        if (nodes_[i].level == level + 1)
            out.push_back(i);
    return out;
}

TreeNode* Tree::at(int index) {
    return (index >= 0 && index < count()) ? &nodes_[static_cast<std::size_t>(index)] : nullptr;
}

void Tree::nodeChanged(int index) {
    notifyView(Aspect::Node, index);
    if (!muted())
        changed.emit(*this);
}

void Tree::setText(int index, std::string text) {
    if (TreeNode* n = at(index); n != nullptr && n->text != text) {
        n->text = std::move(text);
        nodeChanged(index);
    }
}

void Tree::setImageIndex(int index, int value) {
    if (TreeNode* n = at(index); n != nullptr && n->imageIndex != value) {
        n->imageIndex = value;
        nodeChanged(index);
    }
}

void Tree::setStateIndex(int index, int value) {
    if (TreeNode* n = at(index); n != nullptr && n->stateIndex != value) {
        n->stateIndex = value;
        nodeChanged(index);
    }
}

void Tree::setSelectedIndex(int index, int value) {
    if (TreeNode* n = at(index); n != nullptr && n->selectedIndex != value) {
        n->selectedIndex = value;
        nodeChanged(index);
    }
}

void Tree::setNodeBold(int index, bool bold) {
    if (TreeNode* n = at(index); n != nullptr && n->bold != bold) {
        n->bold = bold;
        notifyView(Aspect::Node, index);
    }
}

void Tree::setExpanded(int index, bool expanded) {
    if (TreeNode* n = at(index); n != nullptr && n->expanded != expanded) {
        n->expanded = expanded;
        notifyView(Aspect::Node, index);
    }
}

void Tree::setSelected(int index) {
    if (index < -1 || index >= count() || selected_ == index)
        return;
    selected_ = index;
    notifyView(Aspect::Value, index);
}

void Tree::setImageList(std::string name) {
    if (imageList_ != name) {
        imageList_ = std::move(name);
        notifyView(Aspect::Node, -1);
    }
}

void Tree::setStateImageList(std::string name) {
    if (stateImageList_ != name) {
        stateImageList_ = std::move(name);
        notifyView(Aspect::Node, -1);
    }
}

std::string Tree::iconHint(int index, TreeHitPart part) const {
    if (!iconHint_ || index < 0 || index >= count())
        return {};
    return iconHint_(index, part);
}

std::vector<TreeAction> Tree::actions(int index) const {
    if (!actions_ || index < 0 || index >= count())
        return {};
    return actions_(index);
}

bool Tree::requestExpanded(int index, bool expanded, TreeHitPart mouseOver) {
    if (index < 0 || index >= count() || nodes_[static_cast<std::size_t>(index)].expanded == expanded)
        return false;
    bool allow = true;
    foldRequested.emit(*this, index, mouseOver, allow);
    if (allow)
        setExpanded(index, expanded);
    return allow;
}

void Tree::makeVisible(int index) {
    if (index < 0 || index >= count())
        return;
    for (int parent = parentOf(index); parent >= 0; parent = parentOf(parent))
        setExpanded(parent, true);
    scrollRequested.emit(index);
}

} // namespace regforge::model
