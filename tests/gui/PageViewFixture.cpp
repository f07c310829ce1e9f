#include "PageViewFixture.h"

#include "model/ComboBox.h"

#include <QApplication>
#include <QLayout>
#include <QTabWidget>
#include <fstream>
#include <sstream>
#include <utility>

namespace regforge::gui {
namespace {

bool holds(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget || (item->layout() != nullptr && holds(item->layout(), widget)))
            return true;
    }
    return false;
}

bool onSheet(const model::Control& control, const std::string& sheet) {
    for (const model::Control* c = control.parent(); c != nullptr; c = c->parent())
        if (c->name() == sheet)
            return true;
    return false;
}

} // namespace

PageViewFixture::PageViewFixture(std::string subfolder, int pageIndex)
    : subfolder_(std::move(subfolder)), pageIndex_(pageIndex) {}

void PageViewFixture::load(const std::string& fixture) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/" + subfolder_ + "/" + fixture + ".ini",
                     std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    loadText(text.str());
}

void PageViewFixture::loadText(const std::string& profile) {
    gui.folder.write("include/LPC2148.ini", profile);
    auto& devices = gui.store().get<model::ComboBox>("mcu_ComboBox");
    devices.setItemIndex(devices.indexOf("LPC2148"));
    ASSERT_TRUE(gui.form->LoadProfileBitBtnClick());
    gui.widget<QTabWidget>("pagecontrol1")->setCurrentIndex(pageIndex_);
    QApplication::processEvents();
}

int PageViewFixture::placedControls(const std::string& sheet) {
    int placed = 0;
    for (const model::Control* control : gui.store().all()) {
        if (!onSheet(*control, sheet))
            continue;
        QWidget* w = widget(control->name());
        if (w == nullptr || w->parentWidget() == nullptr) {
            ADD_FAILURE() << control->name() << " has no widget in a parent";
            continue;
        }
        const QLayout* layout = w->parentWidget()->layout();
        EXPECT_TRUE(layout != nullptr && holds(layout, w)) << control->name() << " lies outside the layout";
        ++placed;
    }
    return placed;
}

} // namespace regforge::gui
