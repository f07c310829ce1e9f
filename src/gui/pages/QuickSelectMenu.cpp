#include "gui/pages/QuickSelectMenu.h"

#include "gui/binding/Binder.h"
#include "gui/binding/MenuBindings.h"
#include "gui/binding/Windows1252.h"
#include "model/CheckControls.h"
#include "periph/io/IoPage.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <stdexcept>

namespace regforge::gui::pages {

using periph::io::kQuickSelectGroups;

QuickSelectMenu::QuickSelectMenu(const binding::Binder& binder, periph::io::IoPage& page)
    : binder_(binder), page_(page) {
    const auto* popup = dynamic_cast<const binding::PopupMenuBinding*>(binder.binding("QuickSelectPopup"));
    if (popup == nullptr)
        throw std::logic_error("no quick selector menu to fill");
    menu_ = popup->menu();
    for (std::size_t g = 0; g < kQuickSelectGroups.size(); ++g) {
        auto* action = qobject_cast<QAction*>(binder.object(kQuickSelectGroups[g].itemName));
        if (action == nullptr)
            throw std::logic_error("no quick selector group " + std::string(kQuickSelectGroups[g].itemName));
        groups_[g] = new QMenu(menu_);
        items_[g] = action;
        action->setMenu(groups_[g]);
    }
    connect(menu_, &QMenu::aboutToShow, this, &QuickSelectMenu::fill);
    popupConnection_ = page_.popupRequested.connect([this](model::Control& popup) {
        const QWidget* button = binder_.widget("QuickSelectorButton");
        const QPoint below = button != nullptr ? button->mapToGlobal(QPoint(0, button->height())) : QPoint();
        binder_.popUp(popup, below);
    });
}

QuickSelectMenu::~QuickSelectMenu() {
    page_.popupRequested.disconnect(popupConnection_);
}

void QuickSelectMenu::fill() {
    for (std::size_t g = 0; g < kQuickSelectGroups.size(); ++g) {
        QMenu* group = groups_[g];
        group->clear();
        const auto& entries = page_.quickSelector().entries(static_cast<int>(g));
        for (const auto& entry : entries) {
            QString caption = binding::fromWindows1252(entry.caption);
            caption.replace(QLatin1Char('&'), QLatin1String("&&"));
            QAction* action = group->addAction(caption);
            action->setCheckable(true);
            action->setChecked(entry.checked);
            const int tag = entry.tag;
            connect(action, &QAction::triggered, this, [this, tag] { page_.QuickSelectEntryClick(tag); });
        }
        // A group without functions on this device cannot be opened.
        const auto& item = binder_.store().get<model::MenuItem>(kQuickSelectGroups[g].itemName);
        items_[g]->setEnabled(item.enabled() && !entries.empty());
    }
}

} // namespace regforge::gui::pages
