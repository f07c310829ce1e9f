#include "gui/binding/MenuBindings.h"

#include "gui/binding/Caption.h"
#include "gui/binding/Windows1252.h"

#include <QAction>
#include <QMenu>
#include <stdexcept>

namespace regforge::gui::binding {

PopupMenuBinding::PopupMenuBinding(model::Control& popup, QWidget* parent)
    : Binding(popup, new QMenu(parent)), menu_(static_cast<QMenu*>(widget())) {}

void PopupMenuBinding::showVisible(bool /*visible*/) {}

namespace {
QAction* newAction(model::MenuItem& item, QMenu* parentMenu) {
    if (parentMenu == nullptr)
        throw std::logic_error("menu item " + item.name() + " outside a menu");
    auto* action = new QAction(parentMenu);
    parentMenu->addAction(action);
    if (!item.children().empty())
        action->setMenu(new QMenu(parentMenu));
    return action;
}
} // namespace

MenuItemBinding::MenuItemBinding(model::MenuItem& item, QMenu* parentMenu)
    : Binding(item, newAction(item, parentMenu)), item_(item), action_(static_cast<QAction*>(object())),
      subMenu_(action_->menu()) {
    connect(action_, &QAction::triggered, this, [this] { userAction([this] { item_.click(); }); });
}

void MenuItemBinding::showVisible(bool visible) {
    action_->setVisible(visible);
}

void MenuItemBinding::showEnabled(bool enabled) {
    action_->setEnabled(enabled);
}

void MenuItemBinding::showCaption() {
    action_->setText(acceleratedCaption(item_.caption()));
    action_->setToolTip(fromWindows1252(item_.hint()));
}

void MenuItemBinding::showValue(int /*index*/) {
    action_->setCheckable(item_.checked());
    action_->setChecked(item_.checked());
}

} // namespace regforge::gui::binding
