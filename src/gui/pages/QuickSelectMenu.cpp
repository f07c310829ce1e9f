#include "gui/pages/QuickSelectMenu.h"

#include "gui/binding/Binder.h"
#include "gui/binding/MenuBindings.h"
#include "gui/binding/Windows1252.h"
#include "model/CheckControls.h"
#include "periph/io/IoPage.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QWidget>
#include <stdexcept>

namespace regforge::gui::pages {

using periph::io::kQuickSelectGroups;

namespace {

constexpr int kMarkSize = 16;

// The mark of a chosen function: a plain tick in the menu's icon column, so that the entries read
// as commands that jump to a function rather than as boxes to tick.
QIcon chosenMark(const QWidget& menu) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(kMarkSize, kMarkSize) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(
            QPen(menu.palette().color(QPalette::Text), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(3.5, 8.5);
        tick.lineTo(6.5, 11.5);
        tick.lineTo(12.5, 4.5);
        painter.drawPath(tick);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Shows the action as a plain menu item, with the tick when `chosen`.
void showMark(QAction& action, bool chosen, const QIcon& mark) {
    action.setCheckable(false);
    action.setIcon(chosen ? mark : QIcon());
}

} // namespace

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
    const QIcon mark = chosenMark(*menu_);
    for (std::size_t g = 0; g < kQuickSelectGroups.size(); ++g) {
        QMenu* group = groups_[g];
        group->clear();
        const auto& entries = page_.quickSelector().entries(static_cast<int>(g));
        for (const auto& entry : entries) {
            QString caption = binding::fromWindows1252(entry.caption);
            caption.replace(QLatin1Char('&'), QLatin1String("&&"));
            QAction* action = group->addAction(caption);
            showMark(*action, entry.checked, mark);
            const int tag = entry.tag;
            connect(action, &QAction::triggered, this, [this, tag] { page_.QuickSelectEntryClick(tag); });
        }
        // A group without functions on this device cannot be opened.
        const auto& item = binder_.store().get<model::MenuItem>(kQuickSelectGroups[g].itemName);
        items_[g]->setEnabled(item.enabled() && !entries.empty());
        showMark(*items_[g], item.checked(), mark);
    }
}

} // namespace regforge::gui::pages
