#include "gui/dialogs/PinoutWindow.h"

#include "app/MainForm.h"
#include "gui/MainWindow.h"
#include "gui/widgets/PinoutView.h"
#include "model/ComboBox.h"
#include "periph/io/IoPage.h"
#include "support/FakeUi.h"
#include "support/GeneratedText.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

// A profile of the shipped library, byte for byte.
std::string shippedProfile(const std::string& name) {
    return regforge::testing::fixtureText("../../data/include/" + name + ".ini");
}

// The window drawn for shipped parts (a 208-pin package and a ball grid among them, each pin large
// enough to read) and for a part whose profile numbers no package pins. With REGFORGE_PINOUT_SHOTS
// set, each drawing is also saved there as <part>.png.
TEST(PinoutWindow, DrawsThePackageFollowsAChoiceAndNotesAMissingOne) {
    testing::TempDir folder;
    for (const char* part : {"LPC2148", "LPC1768", "LPC2478", "LPC1788", "LPC2458", "LPC2129"})
        folder.write(std::string("include/") + part + ".ini", shippedProfile(part));
    testing::FakeUi ui;
    app::MainForm form(ui, folder.path());
    form.FormCreate();
    MainWindow window(form);
    window.show();
    const char* shots = std::getenv("REGFORGE_PINOUT_SHOTS");
    auto& devices = form.store().get<model::ComboBox>("mcu_ComboBox");

    for (const char* part : {"LPC2148", "LPC1768", "LPC2478", "LPC1788", "LPC2458", "LPC2129"}) {
        devices.setItemIndex(devices.indexOf(part));
        ui.answers = {ui::Answer::Discard};
        ASSERT_TRUE(form.LoadProfileBitBtnClick()) << part;
        dialogs::PinoutWindow& pinout = window.showPinout();
        QApplication::processEvents();
        EXPECT_FALSE(pinout.windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(pinout.parentWidget(), nullptr) << "a window of its own, not above the main one";
        if (window.screen()->availableGeometry().width() >
            window.frameGeometry().width() + pinout.frameGeometry().width() + 16) {
            EXPECT_FALSE(pinout.frameGeometry().intersects(window.frameGeometry()))
                << "beside the main window, not over it";
        }
        auto& model = form.page<periph::io::IoPage>().pinout();
        const bool numbered = model.package().has_value();
        EXPECT_EQ(pinout.view().isVisible(), numbered) << part;
        EXPECT_EQ(pinout.findChild<QLabel*>("PinoutNote")->isVisible(), !numbered) << part;
        if (numbered) {
            const QRect first = pinout.view().pinRect(0);
            EXPECT_GE(std::min(first.width(), first.height()), pinout.view().fontMetrics().height() / 2)
                << part;
        }
        if (shots != nullptr)
            pinout.grab().save(QString::fromUtf8(shots) + "/" + part + ".png");
    }

    // The Edit menu follows the core's history.
    devices.setItemIndex(devices.indexOf("LPC2148"));
    ui.answers = {ui::Answer::Discard};
    ASSERT_TRUE(form.LoadProfileBitBtnClick());
    auto* undo = window.findChild<QAction*>("UndoAction");
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    auto& model = form.page<periph::io::IoPage>().pinout();
    model.refresh(form.problems());
    ASSERT_TRUE(model.choose(0, 2)); // pin 1, P0.21: PWM5
    form.refreshTitle();
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(model.pins()[0].choice, 2) << "the window refreshed the model after the event";
    undo->trigger();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(model.pins()[0].choice, 0);

    // Without a mouse: the keys move the model's pin, Return opens its menu, the menu key too.
    QWidget& view = window.showPinout().view();
    const auto press = [&](int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    };
    model.setFocused(1);
    press(Qt::Key_Tab);
    EXPECT_EQ(model.focused(), 3) << "Tab skips the pins without functions";
    press(Qt::Key_Home);
    EXPECT_EQ(model.focused(), 0);
    QStringList entries;
    // Lists the entries of the menu about to open and picks `function` in it, or closes it with
    // Escape. A menu opens only once the windows settled from the last one, as between two keys.
    QTimer menuWatch;
    const auto choose = [&](const QString& function) {
        QApplication::processEvents();
        menuWatch.disconnect();
        QObject::connect(&menuWatch, &QTimer::timeout, [&, function] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr)
                return;
            menuWatch.stop();
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    entries << action->text();
            for (QAction* action : menu->actions())
                if (action->text() == function)
                    menu->setActiveAction(action);
            QKeyEvent key(QEvent::KeyPress, function.isEmpty() ? Qt::Key_Escape : Qt::Key_Return,
                          Qt::NoModifier);
            QApplication::sendEvent(menu, &key);
        });
        menuWatch.start(5);
    };
    choose(QString::fromStdString(model.pins()[0].functions[2]));
    press(Qt::Key_Return);
    EXPECT_EQ(model.pins()[0].choice, 2) << "chosen from the menu Return opened";
    EXPECT_TRUE(undo->isEnabled());
    entries.clear();
    choose({});
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(&view, &menuKey);
    EXPECT_EQ(entries.size(), static_cast<int>(model.pins()[0].functions.size()))
        << "the pin's functions: " << entries.join(", ").toStdString();
}

} // namespace
} // namespace regforge::gui
