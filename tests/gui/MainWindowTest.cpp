#include "GuiFixture.h"
#include "app/StatusNote.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace regforge::gui {
namespace {

void wheel(QWidget* target, int delta) {
    const QPointF pos(10, 10);
    QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void press(QWidget* target, QPoint pos) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(pos), QPointF(target->mapToGlobal(pos)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void key(QWidget* target, int code) {
    QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST(MainWindow, AboutPanelClosesOnEscapeAndOnAPressOutsideIt) {
    GuiFixture gui;
    auto& about = gui.store().get<model::Control>("about_panel");
    QWidget* panel = gui.widget<QWidget>("about_panel");
    QWidget* devices = gui.widget<QWidget>("mcu_ComboBox");
    gui.form->about_buttonClick();
    ASSERT_TRUE(panel->isVisible());

    press(panel, panel->rect().center());
    EXPECT_TRUE(about.visible()) << "a press on the panel keeps it";
    key(devices, Qt::Key_Escape);
    EXPECT_FALSE(about.visible());
    EXPECT_FALSE(panel->isVisible());

    gui.form->about_buttonClick();
    press(gui.widget<QWidget>("pagecontrol1"), QPoint(5, 60));
    EXPECT_FALSE(about.visible());
    key(devices, Qt::Key_Escape);
    EXPECT_FALSE(about.visible()) << "Escape with the panel closed changes nothing";
}

// A note longer than the status line ends in an ellipsis, whole in its tool tip; the window
// does not grow for it, and a wide window shows it whole.
TEST(MainWindow, ALongStatusNoteIsElidedAndWholeInItsTip) {
    GuiFixture gui;
    QApplication::processEvents();
    const int width = gui.window->width();
    const app::StatusNote note = app::codeCopiedNote("LPC2148", "LPC1768");
    gui.form->statusNoted.emit(note);
    QApplication::processEvents();
    auto* label = gui.window->findChild<QLabel*>("StatusNote");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << label->text().toStdString();
    EXPECT_EQ(label->toolTip().toStdString(), note.text);
    EXPECT_EQ(gui.window->width(), width);
    gui.window->resize(1600, gui.window->height());
    QApplication::processEvents();
    EXPECT_EQ(label->text().toStdString(), note.text);
    EXPECT_TRUE(label->toolTip().isEmpty());
}

TEST(MainWindow, ResultPageSavesTheCodeThroughItsButton) {
    GuiFixture gui;
    auto* save = gui.widget<QPushButton>("SaveCodeButton");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), "Save code as...");
    EXPECT_TRUE(gui.widget<QWidget>("Result_page")->isAncestorOf(save));
    // Nothing is loaded: the button asks the core, which says there is no code.
    save->click();
    ASSERT_EQ(gui.ui.messages.size(), 1u);
    EXPECT_EQ(gui.ui.messages[0].caption, "Error");
}

TEST(MainWindow, ClockBarShowsAboveTheActivePageWhereTheCoreShowsIt) {
    GuiFixture gui;
    auto* tabs = gui.widget<QTabWidget>("pagecontrol1");
    QWidget* clock = gui.widget<QWidget>("ClockPanel");
    EXPECT_FALSE(clock->isVisible());

    tabs->setCurrentIndex(4); // the user picks "Timers"
    EXPECT_EQ(gui.store().get<model::PageControl>("pagecontrol1").activePageIndex(), 4);
    EXPECT_TRUE(clock->isVisible());
    EXPECT_TRUE(gui.widget<QWidget>("TabSheet4")->isAncestorOf(clock));
    EXPECT_TRUE(gui.widget<QWidget>("pllclock_edit")->isVisible());

    gui.store().get<model::PageControl>("pagecontrol1").setActivePageIndex(3); // the program picks "ADC"
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_TRUE(gui.widget<QWidget>("TabSheet2")->isAncestorOf(clock));
    EXPECT_TRUE(clock->isVisible());

    tabs->setCurrentIndex(tabs->count() - 1); // "Result"
    EXPECT_FALSE(clock->isVisible());
}

TEST(MainWindow, SizeComesFromSettingsAndGoesBackOnClose) {
    GuiFixture gui({}, "[VERSION]\r\n2.2.2\r\n[FORMSIZE]\r\n600\r\n540\r\n");
    EXPECT_EQ(gui.window->frameGeometry().size(), QSize(540, 600));

    // The window grows as the user makes it, its page control with it.
    gui.window->resize(1200, 1000);
    QApplication::processEvents();
    EXPECT_EQ(gui.window->size(), QSize(1200, 1000));

    gui.window->resize(500, 420);
    const QSize outer = gui.window->frameGeometry().size();
    gui.window->close();
    EXPECT_EQ(gui.store().get<model::Form>("Form1").width(), outer.width());
    EXPECT_EQ(gui.store().get<model::Form>("Form1").height(), outer.height());
    std::ifstream in(gui.folder.path() / "include" / "regforge", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string expected =
        "[FORMSIZE]\r\n" + std::to_string(outer.height()) + "\r\n" + std::to_string(outer.width());
    EXPECT_NE(text.str().find(expected), std::string::npos) << text.str();
}

// The design size is where the window starts and the least the pages get; a larger window gives
// its pages the room, a smaller one scrolls them.
TEST(MainWindow, PageControlFollowsTheWindowDownToItsDesignSize) {
    GuiFixture gui;
    QApplication::processEvents();
    auto* pages = gui.widget<QWidget>("pagecontrol1");
    QScrollArea* client = gui.window->clientArea();
    EXPECT_EQ(gui.window->frameGeometry().size(), QSize(555, 663)) << "the default";
    const QSize designTree = gui.widget<QWidget>("IO_Treeview")->size();

    gui.window->resize(1200, 1000);
    QApplication::processEvents();
    EXPECT_EQ(gui.window->size(), QSize(1200, 1000));
    EXPECT_FALSE(client->verticalScrollBar()->isVisible());
    EXPECT_FALSE(client->horizontalScrollBar()->isVisible());
    EXPECT_GE(pages->width(), client->viewport()->width() - 8);
    EXPECT_GE(pages->height(), client->viewport()->height() - 8);
    const QSize grownTree = gui.widget<QWidget>("IO_Treeview")->size();
    EXPECT_GT(grownTree.width(), designTree.width() + 500) << "the pin tree takes the room";
    EXPECT_GT(grownTree.height(), designTree.height() + 250);

    // The timers of a pair stand side by side once there is room for both.
    auto* tabs = gui.widget<QTabWidget>("pagecontrol1");
    tabs->setCurrentIndex(4);
    QApplication::processEvents();
    const auto top = [&](const char* name) { return gui.widget<QWidget>(name)->mapTo(pages, QPoint()).y(); };
    EXPECT_EQ(top("T0_checkbox"), top("T1_checkbox"));
    const auto memoHeight = [&] {
        tabs->setCurrentIndex(tabs->count() - 1);
        QApplication::processEvents();
        return gui.widget<QWidget>("Memo1")->height();
    };
    const int grownMemo = memoHeight();

    gui.window->resize(300, 200);
    QApplication::processEvents();
    EXPECT_GE(client->widget()->width(), 547) << "never below the design size: the client area scrolls";
    EXPECT_GE(client->widget()->height(), 636);
    EXPECT_TRUE(client->verticalScrollBar()->isVisible());
    gui.window->resize(555, 663);
    QApplication::processEvents();
    EXPECT_GT(grownMemo, memoHeight() + 250) << "the result text takes the room";
    tabs->setCurrentIndex(4);
    QApplication::processEvents();
    EXPECT_GT(top("T1_checkbox"), top("T0_checkbox")) << "one column at the design size";
}

// Load, save, save as and "Create code" have keys; Enter presses the focused button.
TEST(MainWindow, CommandKeysAndEnterPressTheButtons) {
    GuiFixture gui;
    const auto keyFor = [&](const char* keys) {
        return gui.window->findChild<QShortcut*>(QStringLiteral("Key_") + QLatin1String(keys));
    };
    for (const char* keys : {"Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "F9"})
        ASSERT_NE(keyFor(keys), nullptr) << keys;
    gui.ui.files.push_back(std::nullopt);
    Q_EMIT keyFor("Ctrl+O")->activated();
    ASSERT_EQ(gui.ui.fileRequests.size(), 1u) << "the load asks for its file";
    Q_EMIT keyFor("Ctrl+S")->activated();
    EXPECT_EQ(gui.ui.fileRequests.size(), 1u) << "nothing to save before a device is loaded";

    auto* view = gui.widget<QPushButton>("ViewReplaceButton");
    view->setFocus();
    key(view, Qt::Key_Return);
    EXPECT_TRUE(gui.store().get<model::Control>("ReplacePanel").visible());
}

// The loaded device's name shows bold in the device list; the buttons beside it stay put.
TEST(MainWindow, ButtonsBesideTheDeviceListStayWhenTheLoadedNameTurnsBold) {
    GuiFixture gui;
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/io/pinsel.ini", std::ios::binary);
    std::stringstream profile;
    profile << in.rdbuf();
    gui.folder.write("include/LPC2148.ini", profile.str());
    QApplication::processEvents();
    const QPoint before = gui.widget<QWidget>("LoadProfileBitBtn")->pos();
    auto& devices = gui.store().get<model::ComboBox>("mcu_ComboBox");
    devices.setItemIndex(devices.indexOf("LPC2148"));
    ASSERT_TRUE(gui.form->LoadProfileBitBtnClick());
    QApplication::processEvents();
    EXPECT_TRUE(gui.widget<QWidget>("mcu_ComboBox")->font().bold());
    EXPECT_EQ(gui.widget<QWidget>("LoadProfileBitBtn")->pos(), before);
}

// The filter's clear button shows with text in the edit and empties it as typing would.
TEST(MainWindow, DeviceFilterClearButtonEmptiesTheFilter) {
    GuiFixture gui;
    auto* filter = gui.widget<QLineEdit>("mcu_FilterEdit");
    ASSERT_EQ(filter->actions().size(), 1);
    QAction* clear = filter->actions().front();
    EXPECT_FALSE(clear->isVisible());
    QTest::keyClicks(filter, "214");
    EXPECT_EQ(gui.store().get<model::Edit>("mcu_FilterEdit").text(), "214");
    EXPECT_TRUE(clear->isVisible());
    clear->trigger();
    EXPECT_TRUE(filter->text().isEmpty());
    EXPECT_EQ(gui.store().get<model::Edit>("mcu_FilterEdit").text(), "");
    EXPECT_FALSE(clear->isVisible());
}

// Starting and closing without a resize leaves the settings file as it was, start after start:
// the size written on close is the measure the start restores.
TEST(MainWindow, StartAndCloseWithoutResizeLeaveTheSettingsFileUnchanged) {
    const std::string settings = "[VERSION]\r\n2.2.2\r\n[NORESIZE]\r\n[FORMSIZE]\r\n600\r\n500\r\n";
    GuiFixture gui({}, settings);
    const auto path = gui.folder.path() / "include" / "regforge";
    const auto bytes = [&] {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    };
    gui.window->close();
    EXPECT_EQ(bytes(), settings);

    for (int start = 2; start <= 3; ++start) {
        app::MainForm form(gui.ui, gui.folder.path());
        form.FormCreate();
        MainWindow window(form);
        window.show();
        EXPECT_EQ(window.frameGeometry().size(), QSize(500, 600)) << "start " << start;
        window.close();
        EXPECT_EQ(bytes(), settings) << "start " << start;
    }
}

// The visible controls in Tab order, from the window on.
std::vector<std::string> tabOrder(QWidget* window) {
    std::vector<std::string> names;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus && w->isVisible())
            names.push_back(w->objectName().toStdString());
    return names;
}

// Only the first page is built at the start; another page is built when it is first shown,
// from the model as it is then, and its Tab order does not depend on the pages built before.
TEST(MainWindow, PagesBuiltWhenFirstShownShowTheModelAndKeepOneTabOrder) {
    GuiFixture gui;
    auto* tabs = gui.widget<QTabWidget>("pagecontrol1");
    const auto& pages = gui.store().get<model::Control>("pagecontrol1").children();
    EXPECT_TRUE(gui.binder().contentBound(*pages[0]));
    EXPECT_FALSE(gui.binder().contentBound(*pages[4]));
    gui.store().get<model::CheckBox>("CheckBox9").setChecked(true);

    tabs->setCurrentIndex(4);
    EXPECT_TRUE(gui.binder().contentBound(*pages[4]));
    auto* box = gui.widget<QCheckBox>("CheckBox9");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(gui.widget<QWidget>("TabSheet4")->isAncestorOf(box));
    EXPECT_FALSE(gui.binder().contentBound(*pages[2])) << "a page is built once it is needed";

    GuiFixture inOrder;
    auto* inOrderTabs = inOrder.widget<QTabWidget>("pagecontrol1");
    for (const int index : {7, 6, 5, 3, 2, 1, 0}) {
        inOrderTabs->setCurrentIndex(7 - index);
        tabs->setCurrentIndex(index);
    }
    for (int index = 0; index < 8; ++index) {
        tabs->setCurrentIndex(index);
        inOrderTabs->setCurrentIndex(index);
        EXPECT_EQ(tabOrder(gui.window.get()), tabOrder(inOrder.window.get())) << "page " << index;
    }
}

TEST(MainWindow, WheelStepsAndPageChangesScrollTheClientArea) {
    GuiFixture gui;
    gui.window->resize(520, 160);
    QApplication::processEvents();
    QScrollBar* bar = gui.window->clientArea()->verticalScrollBar();
    QWidget* viewport = gui.window->clientArea()->viewport();
    ASSERT_GT(bar->maximum(), 20);

    wheel(viewport, -120);
    EXPECT_EQ(bar->value(), 8);
    for (int i = 0; i < 200; ++i)
        wheel(viewport, -120);
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->setValue(5);
    wheel(viewport, 120);
    EXPECT_EQ(bar->value(), 0);

    bar->setValue(40);
    gui.widget<QTabWidget>("pagecontrol1")->setCurrentIndex(1);
    EXPECT_EQ(bar->value(), 0) << "a page change scrolls back to the top";
}

} // namespace
} // namespace regforge::gui
