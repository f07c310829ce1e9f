#pragma once

#include "gui/binding/Binding.h"
#include "model/Tree.h"

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace regforge::gui::binding {

// A tree of text nodes (bold, expanded). Clicks on a node go to the model as clicks on its
// text; the pin tree's icons and their hit tests come with its own widget.
class TreeBinding : public Binding {
    Q_OBJECT

public:
    TreeBinding(model::Tree& tree, QWidget* parent);

protected:
    void showNode(int index) override;
    void showValue(int index) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuild();
    void showOne(int index);
    int indexOf(const QTreeWidgetItem* item) const;

    model::Tree& tree_;
    QTreeWidget* view_;
    std::vector<QTreeWidgetItem*> items_;
};

} // namespace regforge::gui::binding
