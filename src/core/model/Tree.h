#pragma once

#include "model/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace regforge::model {

// One node of a tree; nodes are kept in depth-first order with their depth.
struct TreeNode {
    std::string text;
    int level = 0;
    int imageIndex = -1;
    int stateIndex = -1;
    int selectedIndex = -1;
    bool bold = false;
    bool expanded = false;
};

// Where on a node the user clicked.
enum class TreeHitPart { Text, StateIcon, Image, Button };
enum class MouseButton { Left, Right };

// Something the keyboard or a node's context menu does on a node: the page's own id for it, the
// menu entry and the keys that run it ("Space", "Shift+P", as key sequences are written).
struct TreeAction {
    int id = 0;
    std::string caption;
    std::vector<std::string> keys;
};

// A tree view whose nodes carry the pin and GPIO-interrupt settings in their indexes.
class Tree : public Control {
public:
    Tree(std::string name, Control* parent) : Control(ControlKind::Tree, std::move(name), parent) {}

    int count() const { return static_cast<int>(nodes_.size()); }
    const TreeNode& node(int index) const { return nodes_.at(static_cast<std::size_t>(index)); }
    const std::vector<TreeNode>& nodes() const { return nodes_; }

    void clear();
    // Appends a node as the last child of `parentIndex` (-1: a new top-level node) and returns
    // its index. Nodes must be added in depth-first order.
    int addNode(int parentIndex, std::string text);
    // The parent's index, or -1 for a top-level node (or an index that is no node).
    int parentOf(int index) const;
    std::vector<int> childrenOf(int index) const;

    void setText(int index, std::string text);
    void setImageIndex(int index, int value);
    void setStateIndex(int index, int value);
    void setSelectedIndex(int index, int value);
    void setNodeBold(int index, bool bold);
    void setExpanded(int index, bool expanded);
    int selected() const { return selected_; }
    void setSelected(int index);

    // The image list drawing the nodes' normal icons ("" = none); views pick their icon set by it.
    const std::string& imageList() const { return imageList_; }
    void setImageList(std::string name);
    // The image list drawing the nodes' state icons ("" = none).
    const std::string& stateImageList() const { return stateImageList_; }
    void setStateImageList(std::string name);
    // Expands the node's ancestors and asks the views to scroll it into view.
    void makeVisible(int index);
    Signal<int> scrollRequested;

    // A user click on a node part; pages connect their click behaviour here.
    Signal<Tree&, int, TreeHitPart, MouseButton> nodeClicked;
    Signal<Tree&, int, TreeHitPart> nodeDoubleClicked;
    void clickNode(int index, TreeHitPart part, MouseButton button = MouseButton::Left) {
        nodeClicked.emit(*this, index, part, button);
    }
    // A key pressed while the tree has the focus (the character, ' ' for the space bar).
    Signal<Tree&, char> keyPressed;
    void pressKey(char key) { keyPressed.emit(*this, key); }

    // A user's request to fold or unfold a node with the mouse over `mouseOver`. A page refuses
    // it by clearing the flag foldRequested hands it; returns whether the node was changed.
    bool requestExpanded(int index, bool expanded, TreeHitPart mouseOver);
    Signal<Tree&, int, TreeHitPart, bool&> foldRequested;

    // The hint for the mouse resting on a node's part: what it shows and what a click there does;
    // "" for none. The page owning the tree provides the texts.
    using IconHint = std::function<std::string(int index, TreeHitPart part)>;
    void setIconHint(IconHint hint) { iconHint_ = std::move(hint); }
    std::string iconHint(int index, TreeHitPart part) const;

    // What can be done on a node without the mouse; the page owning the tree provides the list
    // and runs the chosen action (the same call its mouse clicks make).
    using ActionSource = std::function<std::vector<TreeAction>(int index)>;
    void setActionSource(ActionSource source) { actions_ = std::move(source); }
    std::vector<TreeAction> actions(int index) const;
    Signal<Tree&, int, int> actionChosen;
    void chooseAction(int index, int id) { actionChosen.emit(*this, index, id); }

private:
    TreeNode* at(int index);
    void nodeChanged(int index);

    std::vector<TreeNode> nodes_;
    // Each node's parent, kept as the nodes are added so that finding it costs nothing.
    std::vector<int> parents_;
    int selected_ = -1;
    std::string imageList_;
    std::string stateImageList_;
    IconHint iconHint_;
    ActionSource actions_;
};

} // namespace regforge::model
