#pragma once

#include "gui/binding/Binding.h"
#include "model/CheckControls.h"

class QAction;
class QMenu;

namespace regforge::gui::binding {

// A popup menu; it shows only when asked to pop up.
class PopupMenuBinding : public Binding {
    Q_OBJECT

public:
    PopupMenuBinding(model::Control& popup, QWidget* parent);
    QMenu* childMenu() const override { return menu_; }
    QMenu* menu() const { return menu_; }

protected:
    void showVisible(bool visible) override;

private:
    QMenu* menu_;
};

// A menu item: an action in its parent's menu, with a sub-menu when it holds items itself.
// Triggering it runs the control's click; a check mark shows only while the item is checked.
class MenuItemBinding : public Binding {
    Q_OBJECT

public:
    MenuItemBinding(model::MenuItem& item, QMenu* parentMenu);
    QMenu* childMenu() const override { return subMenu_; }

protected:
    void showVisible(bool visible) override;
    void showEnabled(bool enabled) override;
    void showCaption() override;
    void showValue(int index) override;

private:
    model::MenuItem& item_;
    QAction* action_;
    QMenu* subMenu_ = nullptr;
};

} // namespace regforge::gui::binding
