#include "app/MainForm.h"
#include "model/Control.h"
#include "periph/spi/SpiPage.h"
#include "support/GeneratedText.h"
#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

namespace regforge::app {
namespace {

using testing::ProgramFolder;

const std::string kTiny = regforge::testing::fixtureText("input/PictureWindowTest/tiny.ini");

class PictureWindow : public ::testing::Test {
protected:
    PictureWindow() {
        folder.addProfile("Tiny", kTiny);
        folder.start();
    }
    ProgramFolder folder;
};

TEST_F(PictureWindow, PinoutNeedsALoadedDeviceAndShowsItsOwnPictureBesideTheWindow) {
    folder.form().ShowPictureClick();
    ASSERT_EQ(folder.ui.messages.size(), 1U);
    EXPECT_EQ(folder.ui.messages[0].caption, "No profile loaded");
    EXPECT_EQ(folder.ui.messages[0].text, "Please load a profile first.");
    EXPECT_EQ(folder.ui.messages[0].icon, ui::Icon::Warning);
    EXPECT_TRUE(folder.ui.pictures.empty());

    ASSERT_TRUE(folder.load("Tiny"));
    folder.form().ShowPictureClick();
    ASSERT_EQ(folder.ui.pictures.size(), 1U);
    const auto& shown = folder.ui.pictures[0];
    EXPECT_EQ(shown.path.filename(), "Tiny.jpg");
    EXPECT_EQ(shown.path.parent_path().filename(), "include");
    EXPECT_EQ(shown.caption, "Pinout");
    EXPECT_FALSE(shown.modal);
    EXPECT_TRUE(shown.rollButton);
}

TEST_F(PictureWindow, SpiModesAreModalWithoutTheRollButton) {
    folder.form().page<periph::spi::SpiPage>().SpiModesHelpClick();
    ASSERT_EQ(folder.ui.pictures.size(), 1U);
    EXPECT_EQ(folder.ui.pictures[0].path.filename(), "SPI_modes.jpg");
    EXPECT_EQ(folder.ui.pictures[0].caption, "SPI modes");
    EXPECT_TRUE(folder.ui.pictures[0].modal);
    EXPECT_FALSE(folder.ui.pictures[0].rollButton);
}

} // namespace
} // namespace regforge::app

namespace regforge::app {
namespace {

TEST_F(PictureWindow, EverySerialPortsHelpButtonShowsTheSpiModes) {
    for (const char* help : {"SPImodesHelp_SpeedButton", "SSP0modesHelp_SpeedButton",
                             "SSP1modesHelp_SpeedButton", "SSP2modesHelp_SpeedButton"})
        folder.form().store().get<model::Control>(help).click();
    ASSERT_EQ(folder.ui.pictures.size(), 4U);
    for (const auto& shown : folder.ui.pictures)
        EXPECT_EQ(shown.caption, "SPI modes");
}

} // namespace
} // namespace regforge::app
