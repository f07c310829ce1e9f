#include "output/ReplaceInFile.h"

#include "ReplacePanelFixture.h"
#include "io/TextFile.h"

#include <filesystem>
#include <unistd.h>

namespace regforge::output {
namespace {

namespace fs = std::filesystem;
using ui::Icon;

// Bytes a C file may hold that a text-line round trip would lose or change.
using namespace std::string_literals;
const std::string kOriginal = "PINSEL0 = 1;\r\n/* caf\xE9 \xFF\x80 */\r\nT0TCR = 2;\nnul\0byte PINSEL1"s;
const std::string kReplaced = "PSEL0 = 1;\r\n/* caf\xE9 \xFF\x80 */\r\nT0->TCR = 2;\nnul\0byte PSEL1"s;
const std::vector<ReplacePair> kList = {{"PINSEL", "PSEL"}, {"T0TCR", "T0->TCR"}};

TEST(ReplaceInFile, OnlyTheFindTextsChangeAndTheBackupIsTheOriginal) {
    ASSERT_EQ(kOriginal.back(), '1') << "no final line break";
    ASSERT_NE(kOriginal.find('\0'), std::string::npos);
    regforge::testing::TempDir dir;
    const auto file = dir.write("main.c", kOriginal);
    EXPECT_EQ(replaceInFile(file, kList), dir.path() / "main.c.bak");
    EXPECT_EQ(dir.read("main.c"), kReplaced);
    EXPECT_EQ(dir.read("main.c.bak"), kOriginal);
    EXPECT_EQ(backupPathOf(file), dir.path() / "main.c.bak");
}

fs::perms modeOf(const fs::path& path) {
    return fs::symlink_status(path).permissions() & fs::perms::all;
}

TEST(ReplaceInFile, BackupsKeepTheModeAndNeverOverwriteOrFollowOlderOnes) {
    regforge::testing::TempDir dir;
    const auto file = dir.write("main.c", kOriginal);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    // A second run keeps the first backup, the only copy of the original.
    EXPECT_EQ(replaceInFile(file, kList), dir.path() / "main.c.bak");
    EXPECT_EQ(replaceInFile(file, {{"PSEL", "PS"}}), dir.path() / "main.c.1.bak");
    EXPECT_EQ(dir.read("main.c.bak"), kOriginal);
    EXPECT_EQ(dir.read("main.c.1.bak"), kReplaced);
    for (const auto* name : {"main.c", "main.c.bak", "main.c.1.bak"})
        EXPECT_EQ(modeOf(dir.path() / name), fs::perms::owner_read | fs::perms::owner_write) << name;

    // Names held by a link (to a file or to nothing) are passed over, the links left alone.
    const auto other = dir.write("other.c", kOriginal);
    const auto victim = dir.write("victim.txt", "untouched");
    fs::create_symlink(victim, dir.path() / "other.c.bak");
    fs::create_symlink(dir.path() / "nowhere", dir.path() / "other.c.1.bak");
    EXPECT_EQ(replaceInFile(other, kList), dir.path() / "other.c.2.bak");
    EXPECT_EQ(dir.read("victim.txt"), "untouched");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "other.c.bak"));
    EXPECT_FALSE(fs::exists(dir.path() / "nowhere"));
    EXPECT_EQ(dir.read("other.c.2.bak"), kOriginal);
    EXPECT_EQ(numberedBackupPathOf(other, 12), dir.path() / "other.c.12.bak");
}

TEST(ReplaceInFile, AReadOnlyFileIsRefusedBeforeABackupUnlessForced) {
    regforge::testing::TempDir dir;
    const auto file = dir.write("main.c", kOriginal);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    try {
        replaceInFile(file, kList);
        ADD_FAILURE() << "a read-only file was processed";
    } catch (const io::FileError& e) {
        EXPECT_STREQ(e.what(), (file.string() + ": Permission denied").c_str());
    }
    EXPECT_EQ(dir.read("main.c"), kOriginal);
    EXPECT_FALSE(fs::exists(dir.path() / "main.c.bak"));
    replaceInFile(file, kList, {.force = true});
    EXPECT_EQ(dir.read("main.c"), kReplaced);
    EXPECT_EQ(modeOf(dir.path() / "main.c.bak"), fs::perms::owner_read | fs::perms::group_read);
}

TEST(ReplaceInFile, AResultPastTheCapChangesNothing) {
    regforge::testing::TempDir dir;
    const std::string original(1024 * 1024, 'a');
    const auto file = dir.write("big.c", original);
    EXPECT_THROW(replaceInFile(file, {{"a", std::string(65, 'b')}}), ReplaceError);
    EXPECT_EQ(dir.read("big.c"), original);
    EXPECT_FALSE(fs::exists(dir.path() / "big.c.bak")) << "nothing is written for a refused list";
}

TEST(ReplaceInFile, AFailedWriteLeavesTheOriginalWhole) {
    regforge::testing::TempDir dir;
    const auto file = dir.write("main.c", kOriginal);
    // A folder in the backup's place cannot be replaced, whoever runs the test.
    fs::create_directories(dir.path() / "main.c.bak/inside");
    EXPECT_THROW(replaceInFile(file, kList), io::FileError);
    EXPECT_EQ(dir.read("main.c"), kOriginal);

    EXPECT_THROW(replaceInFile(dir.path() / "missing.c", kList), io::FileError);
    EXPECT_FALSE(fs::exists(dir.path() / "missing.c"));
    EXPECT_FALSE(fs::exists(dir.path() / "missing.c.bak"));
}

TEST(ReplaceInFile, AReadOnlyFolderLeavesTheOriginalWhole) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    regforge::testing::TempDir dir;
    const auto file = dir.write("ro/main.c", kOriginal);
    fs::permissions(dir.path() / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(replaceInFile(file, kList), io::FileError);
    fs::permissions(dir.path() / "ro", fs::perms::owner_all);
    EXPECT_EQ(dir.read("ro/main.c"), kOriginal);
    EXPECT_FALSE(fs::exists(dir.path() / "ro/main.c.bak"));
}

class ProcessExternalFile : public testing::ReplacePanelTest {
protected:
    void SetUp() override { start(); }
};

TEST_F(ProcessExternalFile, TheButtonAppliesTheActiveListToTheChosenFile) {
    add("PINSEL=PSEL");
    add("T0TCR=T0->TCR");
    const auto file = folder.write("src/main.c", kOriginal);
    ui.files.push_back(file);
    click(kProcessFileButton);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title,
              "Please select a file to apply the replace list. The original file will be backed up (*.bak)");
    EXPECT_EQ(ui.fileRequests[0].filter, "C and C++ sources (*.c *.h *.cpp)|*.c;*.h;*.cpp|All files (*)|*");
    EXPECT_TRUE(ui.fileRequests[0].mustExist);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(folder.read("src/main.c"), kReplaced);
    EXPECT_EQ(folder.read("src/main.c.bak"), kOriginal);

    // Cancelling the dialog touches nothing; a failure shows the system's reason.
    EXPECT_FALSE(panel().processExternalFileClick());
    EXPECT_TRUE(ui.messages.empty());
    ui.files.push_back(folder.path() / "src");
    EXPECT_FALSE(panel().processExternalFileClick());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_EQ(ui.messages[0].caption, "Error");
    EXPECT_NE(ui.messages[0].text.find("is a folder"), std::string::npos) << ui.messages[0].text;
}

} // namespace
} // namespace regforge::output
