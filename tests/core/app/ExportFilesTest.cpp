#include "app/ConfigurationCommands.h"
#include "app/MainForm.h"
#include "io/TextFile.h"
#include "model/ComboBox.h"
#include "output/Compiler.h"
#include "support/GeneratedText.h"
#include "support/ProgramFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace regforge::app {
namespace {

namespace fs = std::filesystem;
using testing::ProgramFolder;

class ExportFiles : public ::testing::Test {
protected:
    ExportFiles() {
        folder.addProfile("Tiny", regforge::testing::fixtureText("input/PictureWindowTest/tiny.ini"));
        folder.dir.write("include/regforge", "[VERSION]\r\n2.2.2\r\n");
        folder.start();
        EXPECT_TRUE(folder.load("Tiny"));
    }
    MainForm& form() { return folder.form(); }
    model::ComboBox& compiler() { return form().store().get<model::ComboBox>(output::kCompilerComboBox); }
    // Presses "Export files..." and answers the folder dialog; the folder it started at.
    fs::path exportTo(const std::optional<fs::path>& answer) {
        folder.ui.files.push_back(answer);
        form().store().get<model::Control>("ExportFilesButton").click();
        EXPECT_TRUE(folder.ui.fileRequests.back().folder);
        return folder.ui.fileRequests.back().start;
    }
    ProgramFolder folder;
};

TEST_F(ExportFiles, WritesTheFilesAndRemembersTheFolderPerConfiguration) {
    const fs::path a = folder.dir.path() / "a.sav";
    ASSERT_TRUE(form().configuration().saveConfiguration(a));
    const fs::path out = folder.dir.path() / "out";
    fs::create_directory(out);
    compiler().setItemIndex(static_cast<int>(output::Compiler::Gcc));
    EXPECT_EQ(exportTo(out), fs::path());
    for (const auto& file : form().createFiles(output::Compiler::Gcc).files)
        EXPECT_EQ(folder.dir.read("out/" + file.name), file.text);
    EXPECT_EQ(folder.ui.said(), "Information: Export files: Written to \"" + out.string() +
                                    "\":\nregforge_setup.h\nregforge_setup.c\n");

    // A new window loading the same configuration starts at its folder; the files are as they were.
    folder.start();
    ASSERT_EQ(form().configuration().loadConfiguration(a), config::LoadOutcome::Loaded);
    EXPECT_EQ(compiler().itemIndex(), static_cast<int>(output::Compiler::Keil))
        << "saved while Keil was chosen";
    folder.ui.messages.clear();
    EXPECT_EQ(exportTo(std::nullopt), out);
    EXPECT_TRUE(folder.ui.messages.empty()) << "a cancelled dialog writes nothing";

    // Another configuration has a folder of its own; a folder that is not there is reported.
    ASSERT_TRUE(form().configuration().saveConfiguration(folder.dir.path() / "b.sav"));
    folder.start();
    ASSERT_EQ(form().configuration().loadConfiguration(folder.dir.path() / "b.sav"),
              config::LoadOutcome::Loaded);
    EXPECT_EQ(exportTo(folder.dir.path() / "absent"), fs::path());
    EXPECT_EQ(folder.ui.messages.back().caption, "Error");
    EXPECT_NE(folder.ui.messages.back().text.find("absent: no such folder"), std::string::npos);
}

TEST_F(ExportFiles, TheCompilerIsSavedOnlyWhenItIsNotKeilAndOlderFilesLoadWithKeil) {
    const fs::path older = folder.dir.path() / "older.sav";
    ASSERT_TRUE(form().configuration().saveConfiguration(older));
    auto gcc = (compiler().setItemIndex(static_cast<int>(output::Compiler::Gcc)), form().savedSetup());
    EXPECT_EQ(std::vector<std::string>(gcc.end() - 3, gcc.end()),
              (std::vector<std::string>{"[Compiler]", "gcc", "[]"}));
    gcc.resize(gcc.size() - 3);
    EXPECT_EQ(io::joinLines(gcc, io::LineEnding::CrLf), folder.dir.read("older.sav")) << "the rest as before";
    ASSERT_EQ(form().configuration().loadConfiguration(older), config::LoadOutcome::Loaded);
    EXPECT_EQ(form().compiler(), output::Compiler::Keil);
}

} // namespace
} // namespace regforge::app
