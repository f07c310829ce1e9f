#include "io/TextFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace regforge::io
