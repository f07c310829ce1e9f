#include "app/MainForm.h"
#include "io/TextFile.h"
#include "model/Control.h"
#include "model/ListControls.h"
#include "support/GeneratedText.h"
#include "support/ProgramFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace regforge::app {
namespace {

using testing::ProgramFolder;

const std::string kTiny = regforge::testing::fixtureText("input/PictureWindowTest/tiny.ini");

class SaveCode : public ::testing::Test {
protected:
    SaveCode() {
        folder.addProfile("Tiny", kTiny);
        folder.start();
    }
    MainForm& form() { return folder.form(); }
    void pressSave() { form().store().get<model::Control>("SaveCodeButton").click(); }
    ProgramFolder folder;
};

TEST_F(SaveCode, WritesTheResultTextWhereTheUserSays) {
    ASSERT_TRUE(folder.load("Tiny"));
    const auto file = folder.dir.path() / "out.c";
    io::writeBytes(file, "old contents\n");
    folder.ui.files.push_back(file);
    pressSave();

    ASSERT_EQ(folder.ui.fileRequests.size(), 1u);
    const auto& request = folder.ui.fileRequests[0];
    EXPECT_EQ(request.filter, "C source (*.c)|*.c");
    EXPECT_EQ(request.defaultExtension, ".c");
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_TRUE(folder.ui.messages.empty());
    const auto written = io::readLines(file);
    EXPECT_EQ(written.lines, form().createCode().lines);
    EXPECT_EQ(written.ending, io::LineEnding::Lf);
    EXPECT_TRUE(form().store().get<model::Memo>("Memo1").lines().empty());
    EXPECT_EQ(folder.ui.clipboard, "") << "saving copies nothing";

    // The next dialog starts at the file saved last; a cancelled dialog writes nothing.
    folder.ui.files.push_back(std::nullopt);
    EXPECT_FALSE(form().SaveCodeButtonClick());
    ASSERT_EQ(folder.ui.fileRequests.size(), 2u);
    EXPECT_EQ(folder.ui.fileRequests[1].start, file);
    EXPECT_TRUE(folder.ui.messages.empty());
}

TEST_F(SaveCode, TellsWhyNothingWasSaved) {
    // No device: no code, and no dialog either.
    EXPECT_FALSE(form().SaveCodeButtonClick());
    EXPECT_TRUE(folder.ui.fileRequests.empty());
    ASSERT_EQ(folder.ui.messages.size(), 1u);
    EXPECT_EQ(folder.ui.messages[0].caption, "Error");

    // A file that cannot be written is named in the message, and the old file stays.
    ASSERT_TRUE(folder.load("Tiny"));
    folder.ui.messages.clear();
    const auto missing = folder.dir.path() / "no such folder" / "out.c";
    folder.ui.files.push_back(missing);
    EXPECT_FALSE(form().SaveCodeButtonClick());
    ASSERT_EQ(folder.ui.messages.size(), 1u);
    EXPECT_EQ(folder.ui.messages[0].caption, "Error");
    EXPECT_EQ(folder.ui.messages[0].icon, ui::Icon::Error);
    EXPECT_NE(folder.ui.messages[0].text.find(missing.string()), std::string::npos)
        << folder.ui.messages[0].text;
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
} // namespace regforge::app
