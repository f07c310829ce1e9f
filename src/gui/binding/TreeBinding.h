#pragma once

#include "gui/binding/Binding.h"
#include "model/Tree.h"

#include <vector>

class QTreeWidgetItem;

namespace regforge::gui::widgets {
class PinTreeView;
}

namespace regforge::gui::binding {

// A tree of nodes with state icons, normal icons and bold text, drawn from the model's image
// lists. Clicks, double clicks and fold requests go to the model with the part of the node they
// hit; what the model decides comes back as node changes.
class TreeBinding : public Binding {
    Q_OBJECT

public:
    TreeBinding(model::Tree& tree, QWidget* parent);
    ~TreeBinding() override;

    widgets::PinTreeView* view() const { return view_; }
    // The row showing a node, or nullptr.
    QTreeWidgetItem* item(int node) const;

protected:
    void showNode(int index) override;
    void showValue(int index) override;

private:
    void showTree();
    void showOne(int index);
    int indexOf(const QTreeWidgetItem* item) const;

    model::Tree& tree_;
    widgets::PinTreeView* view_;
    std::vector<QTreeWidgetItem*> items_;
    int scrollConnection_ = 0;
};

} // namespace regforge::gui::binding
