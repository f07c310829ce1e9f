#include "ReplacePanelFixture.h"
#include "app/ConfigurationCommands.h"
#include "model/CheckControls.h"
#include "support/GeneratedText.h"

#include <filesystem>
#include <unistd.h>

namespace regforge::output {
namespace {

namespace fs = std::filesystem;
using testing::Pairs;
using ui::Answer;
using ui::Icon;

class ReplaceListSave : public testing::ReplacePanelTest {
protected:
    void SetUp() override {
        folder.write("replace/keil.ini", "PINSEL=PSEL\r\n");
        folder.write("replace/gcc.ini", "T0TCR=T0->TCR\n");
        start();
    }
    // Presses "Save as..." and answers the name box with `name` (nullopt: Cancel).
    bool save(std::optional<std::string> name) {
        ui.inputs.push_back(std::move(name));
        return panel().ReplaceSaveButtonClick();
    }
    // Every file under the program folder's parent, to see that nothing appeared anywhere.
    std::size_t filesAround() const {
        std::size_t n = 0;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path()))
            n += entry.is_regular_file() ? 1 : 0;
        return n;
    }
};

TEST_F(ReplaceListSave, ANewNameIsWrittenSelectedAndMarkedActive) {
    add("LPC_SC->=SC->");
    add("a=b=c");
    ASSERT_TRUE(save("  mine \t"));
    EXPECT_EQ(ui.prompts, regforge::testing::expectedLines(
                              "ReplaceListSaveTest/ANewNameIsWrittenSelectedAndMarkedActive"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(folder.read("replace/mine.ini"), "LPC_SC->=SC->\r\na=b=c\r\n");
    EXPECT_FALSE(fs::exists(folder.path() / "replace/mine.ini.bak"));
    EXPECT_EQ(lists().items(), (std::vector<std::string>{"gcc", "keil", "mine"}));
    EXPECT_EQ(lists().text(), "mine");
    EXPECT_EQ(panel().activeListName(), "mine");
    EXPECT_EQ(lists().itemStyle(2), (model::ItemStyle{model::kRed, true}));
    EXPECT_EQ(lists().itemStyle(1), model::ItemStyle{});
}

TEST_F(ReplaceListSave, CancelOrABlankNameWritesNothing) {
    add("a=b");
    const auto before = filesAround();
    EXPECT_FALSE(save(std::nullopt));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(save("   "));
    EXPECT_EQ(ui.said(), "Warning: No filename selected: Empty filename\n");
    EXPECT_EQ(filesAround(), before);
}

TEST_F(ReplaceListSave, TheShownNameIsReplacedWithoutAQuestionAndBackedUp) {
    ASSERT_TRUE(load("keil"));
    add("X=Y");
    ASSERT_TRUE(save("keil"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(folder.read("replace/keil.ini"), "PINSEL=PSEL\r\nX=Y\r\n");
    EXPECT_EQ(folder.read("replace/keil.ini.bak"), "PINSEL=PSEL\r\n");
    EXPECT_EQ(lists().items(), (std::vector<std::string>{"gcc", "keil"})) << "the backup is no list";
}

TEST_F(ReplaceListSave, AnotherExistingNameAsksFirstAndNoIsTheDefault) {
    ASSERT_TRUE(load("keil"));
    ui.answers.push_back(Answer::No);
    EXPECT_FALSE(save("gcc"));
    EXPECT_EQ(ui.said(), "Warning: File overwrite: The file already exists , do you want to overwrirte it? "
                         "[Yes/No, default No]\n");
    EXPECT_EQ(folder.read("replace/gcc.ini"), "T0TCR=T0->TCR\n");
    EXPECT_FALSE(fs::exists(folder.path() / "replace/gcc.ini.bak"));
    EXPECT_EQ(panel().activeListName(), "keil");

    ui.answers.push_back(Answer::Yes);
    EXPECT_TRUE(save("gcc"));
    EXPECT_EQ(folder.read("replace/gcc.ini"), "PINSEL=PSEL\r\n");
    EXPECT_EQ(folder.read("replace/gcc.ini.bak"), "T0TCR=T0->TCR\n");
    EXPECT_EQ(lists().text(), "gcc");
    EXPECT_EQ(panel().activeListName(), "gcc");
}

TEST_F(ReplaceListSave, ANameIsAFileNameInsideTheReplaceFolderOnly) {
    add("a=b");
    const auto before = filesAround();
    const std::vector<std::string> names = {"../evil", "sub/list",  "..\\evil", "a..b",
                                            "..",      "tab\tname", "be\x07ll", std::string("nul\0x", 5),
                                            "del\x7f"};
    for (const auto& name : names) {
        ui.messages.clear();
        EXPECT_FALSE(save(name)) << name;
        ASSERT_EQ(ui.messages.size(), 1u) << name;
        EXPECT_EQ(ui.said().substr(0, 26), "Warning: Wrong file name: ") << name;
    }
    EXPECT_EQ(filesAround(), before);
    EXPECT_FALSE(fs::exists(folder.path() / "evil.ini"));
    EXPECT_FALSE(fs::exists(folder.path().parent_path() / "evil.ini"));
    EXPECT_EQ(panel().activeListName(), "");
}

TEST_F(ReplaceListSave, AFailedWriteChangesNothingAndSaysWhy) {
    ASSERT_TRUE(load("keil"));
    add("X=Y");
    // A folder where the list would go cannot be replaced by a file, whoever runs the test.
    fs::create_directories(folder.path() / "replace/blocked.ini/inside");
    EXPECT_FALSE(save("blocked"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_NE(ui.messages[0].text.find("blocked.ini"), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(panel().activeListName(), "keil");
    EXPECT_EQ(lists().text(), "keil");
    EXPECT_EQ(panel().activeList(), (Pairs{{"PINSEL", "PSEL"}, {"X", "Y"}}));
}

TEST_F(ReplaceListSave, ASavedListTravelsWithTheConfigurationByName) {
    ASSERT_TRUE(form->LoadProfileBitBtnClick());
    add("PINSEL=PSEL");
    ASSERT_TRUE(save("mine"));
    form->ReplaceUseButtonClick();
    const auto config = folder.path() / "a.sav";
    ASSERT_TRUE(form->configuration().saveConfiguration(config));
    const std::string saved = folder.read("a.sav");
    EXPECT_NE(saved.find("[Replace]\r\n1\r\nmine\r\n[]\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("[Replace", 0), saved.find("[Replace]")) << "the panel's own controls are not saved";

    panel().forgetActiveList();
    EXPECT_FALSE(saveEnabled()) << "an empty list has nothing to save";
    form->ReplaceUseButtonClick();
    ui.files.push_back(config);
    click("LoadConfigButton");
    EXPECT_EQ(panel().activeListName(), "mine");
    EXPECT_EQ(panel().activeList(), (Pairs{{"PINSEL", "PSEL"}}));
    EXPECT_TRUE(store().get<model::ToggleButton>("ReplaceUseButton").down());
}

// The installed program's shipped lists are not the user's to change: saving under a shipped
// list's name writes the user's own copy, which then comes first.
TEST(ReplaceListSaveInstalled, WritesIntoTheUsersOwnReplaceFolder) {
    regforge::testing::TempDir root;
    regforge::testing::FakeUi ui;
    fs::create_directories(root.path() / "usr/bin");
    root.write("usr/share/regforge/include/Shipped.ini", "");
    root.write("usr/share/regforge/replace/keil.ini", "PINSEL0=PSEL0\r\n");
    const auto shipped = root.path() / "usr/share/regforge/replace";
    fs::permissions(shipped, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const io::UserEnvironment user{"", (root.path() / "home").string()};
    app::MainForm form(ui, io::DataFolders::locate(root.path() / "usr/bin", {}, user));
    form.FormCreate();
    auto& lists = form.store().get<model::ComboBox>(kListSelector);
    lists.setItemIndex(lists.indexOf("keil"));
    ASSERT_TRUE(form.replacePanel().ReplaceListLoadButtonClick());
    form.store().get<model::Edit>(kPairEdit).setText("A=B");
    form.store().get<model::Control>(kAddButton).click();
    ui.inputs.push_back("keil");
    EXPECT_TRUE(form.replacePanel().ReplaceSaveButtonClick());
    EXPECT_TRUE(ui.messages.empty());
    fs::permissions(shipped, fs::perms::owner_write, fs::perm_options::add);

    const std::string own = "home/.local/share/regforge/replace/";
    EXPECT_EQ(root.read(own + "keil.ini"), "PINSEL0=PSEL0\r\nA=B\r\n");
    EXPECT_EQ(root.read(own + "keil.ini.bak"), "PINSEL0=PSEL0\r\n");
    EXPECT_EQ(root.read("usr/share/regforge/replace/keil.ini"), "PINSEL0=PSEL0\r\n");
    EXPECT_FALSE(fs::exists(shipped / "keil.ini.bak"));
    EXPECT_EQ(lists.items(), std::vector<std::string>{"keil"});
    EXPECT_EQ(lists.text(), "keil");
}

} // namespace
} // namespace regforge::output
