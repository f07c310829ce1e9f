#include "PageViewFixture.h"

#include "model/ComboBox.h"

#include <QApplication>
#include <QLayout>
#include <QScrollArea>
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

void PageViewFixture::expectCoverLiftedBy(const std::string& groupName, const std::string& coverName,
                                          const std::string& enableBox) {
    SCOPED_TRACE(groupName);
    QWidget* group = widget(groupName);
    QWidget* cover = widget(coverName);
    const QPoint middle = group->geometry().center();
    ASSERT_TRUE(cover->isVisible());
    EXPECT_EQ(cover->geometry(), group->geometry());
    QWidget* shown = group->parentWidget()->childAt(middle);
    EXPECT_TRUE(shown == cover || cover->isAncestorOf(shown)) << "the cover lies on top";
    click(enableBox);
    EXPECT_FALSE(cover->isVisible());
    EXPECT_TRUE(group->isEnabled());
    shown = group->parentWidget()->childAt(middle);
    EXPECT_TRUE(group->isAncestorOf(shown));
}

void PageViewFixture::expectNothingSqueezed(const std::string& sheet,
                                            const std::vector<std::string>& groups) {
    QApplication::processEvents();
    auto* scroll = widget(sheet)->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_LE(scroll->widget()->width(), scroll->viewport()->width()) << "no room lost on the right";
    for (const std::string& groupName : groups) {
        QWidget* group = widget(groupName);
        for (QWidget* w : group->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->objectName().isEmpty())
                continue;
            const std::string name = w->objectName().toStdString();
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name << " squeezed";
            const QRect inGroup(w->mapTo(group, QPoint(0, 0)), w->size());
            EXPECT_TRUE(group->contentsRect().contains(inGroup)) << name << " cut off";
        }
    }
}

} // namespace regforge::gui
