#include "gui/dialogs/PictureWindow.h"

#include <QApplication>
#include <QLabel>
#include <QToolButton>
#include <gtest/gtest.h>

namespace regforge::gui::dialogs {
namespace {

QPixmap tallPicture() {
    QPixmap picture(400, 650);
    picture.fill(Qt::white);
    return picture;
}

TEST(PictureWindowView, RollingUpLeavesOnlyTheBarAndRollingDownRestoresThePicture) {
    PictureWindow window(tallPicture(), "Pinout", true);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QApplication::processEvents();
    const int full = window.height();
    EXPECT_GE(full, 650);
    auto* roll = window.findChild<QToolButton*>("JvCaptionButton1");
    ASSERT_NE(roll, nullptr);
    EXPECT_EQ(roll->text(), "ROLL UP/DOWN");

    roll->click();
    QApplication::processEvents();
    EXPECT_TRUE(window.rolledUp());
    EXPECT_LT(window.height(), 50);
    roll->click();
    QApplication::processEvents();
    EXPECT_FALSE(window.rolledUp());
    EXPECT_EQ(window.height(), full);
}

TEST(PictureWindowView, SpiModesWindowHasNoRollButtonAndCannotBeMinimised) {
    PictureWindow window(tallPicture(), "SPI modes", false);
    EXPECT_EQ(window.findChild<QToolButton*>("JvCaptionButton1"), nullptr);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window.windowTitle(), "SPI modes");
    EXPECT_EQ(window.findChild<QLabel*>("Image1")->pixmap().height(), 650);
}

} // namespace
} // namespace regforge::gui::dialogs
