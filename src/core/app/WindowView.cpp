#include "app/WindowView.h"

#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/Tree.h"

namespace regforge::app {

WindowView WindowView::of(model::ControlStore& store) {
    WindowView view;
    for (model::Control* c : store.all()) {
        if (auto* tree = dynamic_cast<model::Tree*>(c)) {
            TreeView t{tree, {}, {}, tree->selected()};
            for (const model::TreeNode& node : tree->nodes()) {
                t.levels.push_back(node.level);
                t.expanded.push_back(node.expanded);
            }
            view.trees_.push_back(std::move(t));
        } else if (auto* pages = dynamic_cast<model::PageControl*>(c)) {
            view.pages_.push_back({pages, pages->activePageIndex()});
        } else if (auto* memo = dynamic_cast<model::Memo*>(c)) {
            view.memos_.push_back({memo, memo->lines()});
        }
    }
    return view;
}

void WindowView::restore() const {
    for (const TreeView& t : trees_) {
        model::Tree& tree = *t.tree;
        bool same = tree.count() == static_cast<int>(t.levels.size());
        for (int i = 0; same && i < tree.count(); ++i)
            same = tree.node(i).level == t.levels[static_cast<std::size_t>(i)];
        if (!same)
            continue;
        for (int i = 0; i < tree.count(); ++i)
            tree.setExpanded(i, t.expanded[static_cast<std::size_t>(i)]);
        tree.setSelected(t.selected);
        // The rebuilt view starts at its top; the selected node comes back into sight.
        if (t.selected >= 0)
            tree.scrollRequested.emit(t.selected);
    }
    for (const PagesView& p : pages_)
        p.pages->setActivePageIndex(p.active);
    for (const MemoView& m : memos_)
        m.memo->setLines(m.lines);
}

} // namespace regforge::app
