#pragma once

#include "model/Tree.h"
#include "periph/io/PinLists.h"

#include <vector>

namespace regforge::periph::io {

// What the keyboard and the pin tree's context menu do on a node. Each runs the click the mouse
// makes for it: the state icon of the node, or the pull-mode icon of its pin.
enum PinTreeActionId {
    kChooseAction = 1, // the node's state icon: choose the function, flip the direction or option
    kNextPullMode = 2, // the pin's pull-mode icon, left click: the next pull mode
    kSwapPullMode = 3, // the pin's pull-mode icon, right button: between the two most used
};

// The actions that do something on `node` now, with their menu entries and keys.
std::vector<model::TreeAction> pinTreeActions(const model::Tree& tree, int node, const PinLists& lists);
// The node whose pull-mode icon the pull-mode actions click: the pin itself or the pin of a
// function or option node; -1 when it carries none.
int pullModeNode(const model::Tree& tree, int node, const PinLists& lists);

} // namespace regforge::periph::io
