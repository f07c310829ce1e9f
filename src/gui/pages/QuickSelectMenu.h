#pragma once

#include "periph/io/QuickSelector.h"

#include <QObject>
#include <array>

class QAction;
class QMenu;

namespace regforge::periph::io {
class IoPage;
}

namespace regforge::gui::binding {
class Binder;
}

namespace regforge::gui::pages {

// The "Quick selector" menu of the I/O page: each group item opens a sub-menu with the group's
// functions, checked where a pin has the function selected; choosing one shows that function
// in the pin tree. The sub-menus are filled from the page's entries each time the menu opens,
// and the menu pops up just under its button.
class QuickSelectMenu : public QObject {
    Q_OBJECT

public:
    QuickSelectMenu(const binding::Binder& binder, periph::io::IoPage& page);
    ~QuickSelectMenu() override;

    QMenu* menu() const { return menu_; }
    // The sub-menu of a group, in the page's group order.
    QMenu* groupMenu(std::size_t group) const { return groups_.at(group); }

private:
    void fill();

    const binding::Binder& binder_;
    periph::io::IoPage& page_;
    QMenu* menu_;
    std::array<QMenu*, periph::io::kQuickSelectGroupCount> groups_{};
    std::array<QAction*, periph::io::kQuickSelectGroupCount> items_{};
    int popupConnection_ = 0;
};

} // namespace regforge::gui::pages
