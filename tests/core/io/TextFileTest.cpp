#include "io/TextFile.h"

#include "support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regforge::io {
namespace {

TEST(TextFile, SplitsCrLfAndLfAndKeepsBytes) {
    const auto crlf = splitLines("a\r\n\r\nb\xE9 \r\n");
    EXPECT_EQ(crlf.lines, (std::vector<std::string>{"a", "", "b\xE9 "}));
    EXPECT_EQ(crlf.ending, LineEnding::CrLf);
    const auto lf = splitLines("a\nb");
    EXPECT_EQ(lf.lines, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(lf.ending, LineEnding::Lf);
    EXPECT_EQ(joinLines(crlf.lines, LineEnding::CrLf), "a\r\n\r\nb\xE9 \r\n");
    EXPECT_TRUE(splitLines("").lines.empty());
}

TEST(TextFile, FailedWriteLeavesTheTargetAndNoTemporaryFile) {
    testing::TempDir dir;
    dir.write("target/keep.txt", "precious");
    EXPECT_THROW(writeLines(dir.path() / "target", {"x"}, LineEnding::CrLf), FileError);
    EXPECT_EQ(dir.read("target/keep.txt"), "precious");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);
    EXPECT_THROW(readLines(dir.path() / "missing"), FileError);
    EXPECT_THROW(readLines(dir.path() / "target"), FileError);
}

TEST(TextFile, ListsBaseNamesByExtension) {
    testing::TempDir dir;
    dir.write("a.ini", "");
    dir.write("B.INI", "");
    dir.write("c.ini.bak", "");
    dir.write(".hidden.ini", "");
    dir.write("sub/d.ini", "");
    std::filesystem::create_directories(dir.path() / "folder.ini");
    auto flat = listBaseNames(dir.path(), ".ini", false);
    std::sort(flat.begin(), flat.end());
    EXPECT_EQ(flat, (std::vector<std::string>{".hidden", "B", "a"}));
    EXPECT_EQ(listBaseNames(dir.path(), ".ini", true).size(), 4u);
    EXPECT_TRUE(listBaseNames(dir.path() / "none", ".ini", false).empty());
}

std::size_t entries(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

TEST(TextFile, ReadsRefuseFoldersHugeAndSpecialFilesAndTakeAnyBytes) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.path() / "folder.ini");
    EXPECT_THROW(readLines(dir.path() / "folder.ini"), FileError);
    EXPECT_TRUE(readLines(dir.write("empty.ini", "")).lines.empty());

    // 100 MB (sparse, so the test stays fast) is refused by its size before anything is read.
    const auto huge = dir.write("huge.ini", "");
    std::filesystem::resize_file(huge, 100u * 1024u * 1024u);
    try {
        readBytes(huge);
        ADD_FAILURE() << "a 100 MB file was read";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("is larger than 16 MB"), std::string::npos) << e.what();
    }
    std::filesystem::resize_file(huge, kMaxReadBytes);
    EXPECT_EQ(readBytes(huge).size(), kMaxReadBytes);

    // A FIFO would block the read for ever.
    const auto fifo = dir.path() / "fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(readLines(fifo), FileError);

    std::string binary;
    for (int c = 0; c < 256; ++c)
        binary += static_cast<char>(c);
    EXPECT_EQ(joinLines(readLines(dir.write("binary.ini", binary)).lines, LineEnding::Lf), binary + "\n");
}

TEST(TextFile, WritesUnderAnUnpredictableNameAndKeepsPermissions) {
    testing::TempDir dir;
    const auto target = dir.write("out.c", "old");
    ::chmod(target.c_str(), 0640);
    // The name the program once used for its temporary file, planted as a link elsewhere.
    const auto victim = dir.write("victim", "untouched");
    std::filesystem::create_symlink(victim, dir.path() / ("out.c.tmp" + std::to_string(::getpid())));
    writeBytes(target, "new");
    EXPECT_EQ(dir.read("out.c"), "new");
    EXPECT_EQ(dir.read("victim"), "untouched");
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms::owner_read |
                                                                 std::filesystem::perms::owner_write |
                                                                 std::filesystem::perms::group_read);
    EXPECT_EQ(entries(dir.path()), 3u);
}

TEST(TextFile, WritesThroughLinksAndIntoDevicesWithoutReplacingThem) {
    testing::TempDir dir;
    dir.write("real/code.c", "old");
    const auto link = dir.path() / "link.c";
    std::filesystem::create_symlink("real/code.c", link);
    writeBytes(link, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(dir.read("real/code.c"), "new");

    writeBytes("/dev/null", "discarded");
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));

    // A FIFO is written, not replaced; with no reader the write fails instead of waiting.
    const auto fifo = dir.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(writeBytes(fifo, "x"), FileError);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    writeBytes(fifo, "through");
    char got[16] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 7);
    EXPECT_STREQ(got, "through");
    ::close(reader);
}

TEST(TextFile, ARenameThatFailsLeavesTheOldFileAndNoTemporaryFile) {
    testing::TempDir dir;
    // The target is a folder holding a file: the rename over it must fail.
    dir.write("target/keep.txt", "precious");
    try {
        writeBytes(dir.path() / "target", "x");
        ADD_FAILURE() << "a folder was replaced";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("cannot replace " + (dir.path() / "target").string()),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(dir.read("target/keep.txt"), "precious");
    EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(TextFile, AFolderThatCannotBeWrittenKeepsItsFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    testing::TempDir dir;
    dir.write("ro/out.c", "old");
    ::chmod((dir.path() / "ro").c_str(), 0500);
    EXPECT_THROW(writeBytes(dir.path() / "ro/out.c", "new"), FileError);
    ::chmod((dir.path() / "ro").c_str(), 0700);
    EXPECT_EQ(dir.read("ro/out.c"), "old");
    EXPECT_EQ(entries(dir.path() / "ro"), 1u);
}

} // namespace
} // namespace regforge::io
