#include "app/MainForm.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/NumericEdit.h"
#include "support/FakeUi.h"
#include "support/GeneratedText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace regforge::app {
namespace {

using testing::FakeUi;
using testing::TempDir;
using ui::Icon;

class MainFormStartup : public ::testing::Test {
protected:
    void SetUp() override { folder.write("include/LPC2148.ini", "[x]\n"); }

    MainForm& start() {
        form = std::make_unique<MainForm>(ui, folder.path());
        form->FormCreate();
        return *form;
    }
    const model::Form& window() const { return form->store().get<model::Form>("Form1"); }

    TempDir folder;
    FakeUi ui;
    std::unique_ptr<MainForm> form;
};

TEST_F(MainFormStartup, MissingIncludeFolderShowsMessageAndTerminates) {
    TempDir empty;
    MainForm f(ui, empty.path());
    f.FormCreate();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Folder missing");
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_EQ(ui.messages[0].text.substr(0, 34), "The \"include\" folder is missing.\nT");
    EXPECT_TRUE(ui.terminated);
    EXPECT_TRUE(f.terminateRequested());
}

TEST_F(MainFormStartup, DeviceListIsSortedAndFirstSelected) {
    folder.write("include/b.ini", "");
    folder.write("include/A.ini", "");
    folder.write("include/notes.txt", "");
    folder.write("include/sub/C.ini", "");
    folder.write("replace/keil.ini", "");
    folder.write("replace/gcc.ini", "");
    auto& f = start();
    const auto& devices = f.store().get<model::ComboBox>("mcu_ComboBox");
    EXPECT_EQ(devices.items(), (std::vector<std::string>{"A", "b", "LPC2148"}));
    EXPECT_EQ(devices.itemIndex(), 0);
    EXPECT_EQ(f.store().get<model::ComboBox>("ReplaceFileSelectComboBox").items(),
              (std::vector<std::string>{"gcc", "keil"}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(f.device().loaded());
}

TEST_F(MainFormStartup, SettingsFileSizeIsAppliedAndMissingFileIsNoError) {
    start();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(window().width(), 555);
    EXPECT_EQ(window().height(), 663);

    folder.write("include/regforge", "[VERSION]\r\n2.2.2\r\n[formsize]\r\n700\r\n600\r\n");
    start();
    EXPECT_EQ(window().height(), 700);
    EXPECT_EQ(window().width(), 600);
}

TEST_F(MainFormStartup, IncompleteOrBrokenSizeKeepsDesignSize) {
    folder.write("include/regforge", "[VERSION]\n2.2.2\n[FORMSIZE]\n700\n");
    start();
    EXPECT_TRUE(ui.messages.empty()) << "a missing width line is no error";
    EXPECT_EQ(window().height(), 663);

    folder.write("include/regforge", "[FORMSIZE]\nseven hundred\n600\n");
    start();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Error openning setting");
    EXPECT_EQ(ui.messages[0].text, "There was an error while trying to open the application settings.");
    EXPECT_EQ(window().height(), 663);
    EXPECT_EQ(form->store().get<model::ComboBox>("mcu_ComboBox").count(), 1) << "start-up goes on";
}

TEST_F(MainFormStartup, ASizeNoWindowCanHaveIsNeitherRestoredNorWritten) {
    folder.write("include/regforge", "[FORMSIZE]\r\n0\r\n-5\r\n");
    auto& f = start();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(window().height(), 663);
    EXPECT_EQ(window().width(), 555);
    f.store().get<model::Form>("Form1").setSize(0, 0);
    f.FormClose();
    EXPECT_EQ(folder.read("include/regforge"), "[FORMSIZE]\r\n0\r\n-5\r\n");
}

TEST_F(MainFormStartup, UnreadableSettingsFileShowsMessage) {
    std::filesystem::create_directories(folder.path() /
                                        "include/regforge"); // a folder cannot be read as a file
    start();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Error openning setting");
}

TEST_F(MainFormStartup, CloseWritesSizeBackKeepingEveryOtherLine) {
    folder.write("include/regforge",
                 "[VERSION]\r\n2.2.2\r\n[NORESIZE]\r\n  odd line  \r\n[LASTLOADED]\r\nC:\\x.sav\r\n");
    auto& f = start();
    f.store().get<model::Form>("Form1").setSize(640, 720);
    f.FormClose();
    EXPECT_EQ(
        folder.read("include/regforge"),
        regforge::testing::expectedText("MainFormStartupTest/CloseWritesSizeBackKeepingEveryOtherLine"));

    // A second run restores that size; closing again replaces the two lines in place.
    auto& again = start();
    EXPECT_EQ(window().width(), 640);
    again.store().get<model::Form>("Form1").setSize(500, 400);
    again.FormClose();
    EXPECT_EQ(
        folder.read("include/regforge"),
        regforge::testing::expectedText("MainFormStartupTest/CloseWritesSizeBackKeepingEveryOtherLine-2"));
}

TEST_F(MainFormStartup, CloseKeepsLfFilesLfAndNeverCreatesTheFile) {
    folder.write("include/regforge", "[VERSION]\n2.2.2\n[FORMSIZE]\n1\n2\nlast");
    auto& f = start();
    f.FormClose();
    EXPECT_EQ(folder.read("include/regforge"), "[VERSION]\n2.2.2\n[FORMSIZE]\n1\n2\nlast\n");

    std::filesystem::remove(folder.path() / "include/regforge");
    f.FormClose();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "include/regforge"));
}

TEST_F(MainFormStartup, ARefusedKeyShowsTheEditsOwnMessageOnly) {
    auto& prescaler = start().store().get<model::NumericEdit>("T0PR");
    EXPECT_FALSE(prescaler.keyPress('x', 0, 0));
    EXPECT_TRUE(ui.messages.empty()) << "an edit without a message refuses silently";
    prescaler.setErrorMessage("Hexadecimal digits only");
    EXPECT_FALSE(prescaler.keyPress('x', 0, 0));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Regforge");
    EXPECT_EQ(ui.messages[0].text, "Hexadecimal digits only");
    EXPECT_EQ(ui.messages[0].icon, Icon::Warning);
}

TEST_F(MainFormStartup, TheCpuClockTakesFractionsOfAMegahertzUpTo200) {
    auto& cpu = start().store().get<model::NumericEdit>("pllclock_edit");
    EXPECT_EQ(cpu.hint(), "Enter here the core clock in MHz (MAX:200MHz)");
    const auto& picture = form->store().get<model::Control>("ShowPicture");
    EXPECT_EQ(picture.caption(), "Show MCU");
    EXPECT_FALSE(picture.enabled()) << "no device, no picture";
    cpu.setText("14");
    EXPECT_TRUE(cpu.keyPress('.', 2, 0)) << "14.7456 MHz crystals are common";
    cpu.setText("14.7456");
    EXPECT_DOUBLE_EQ(cpu.valueAsFloat(), 14.7456);
    cpu.setText("250");
    cpu.leave();
    EXPECT_EQ(cpu.text(), "200");
    cpu.setText("");
    cpu.leave();
    EXPECT_EQ(cpu.text(), "1") << "no core runs at 0 MHz";
}

} // namespace
} // namespace regforge::app
