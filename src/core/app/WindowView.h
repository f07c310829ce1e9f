#pragma once

#include "model/ControlStore.h"

#include <string>
#include <vector>

namespace regforge::model {
class Memo;
class PageControl;
class Tree;
} // namespace regforge::model

namespace regforge::app {

// What the window shows beyond the set-up a save writes: which tree nodes are unfolded and
// selected, which page is open and the code last created. Undo and redo build the device again
// from the profile, which folds every tree and empties the result; they put this back after.
class WindowView {
public:
    // The view of every tree, page control and memo of the store as it is now.
    static WindowView of(model::ControlStore& store);
    // Puts the view back. A tree whose nodes are no longer the ones it had (another device)
    // keeps what the rebuild gave it.
    void restore() const;

private:
    struct TreeView {
        model::Tree* tree;
        std::vector<int> levels;
        std::vector<bool> expanded;
        int selected;
    };
    struct PagesView {
        model::PageControl* pages;
        int active;
    };
    struct MemoView {
        model::Memo* memo;
        std::vector<std::string> lines;
    };
    std::vector<TreeView> trees_;
    std::vector<PagesView> pages_;
    std::vector<MemoView> memos_;
};

} // namespace regforge::app
