#include "io/TextFile.h"

#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
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
    // A link counts as what it points to, a broken one as a file.
    std::filesystem::create_directory_symlink(dir.path() / "sub", dir.path() / "linked.ini");
    std::filesystem::create_symlink(dir.path() / "gone", dir.path() / "broken.ini");
    auto flat = listBaseNames(dir.path(), ".ini", false);
    std::sort(flat.begin(), flat.end());
    EXPECT_EQ(flat, (std::vector<std::string>{".hidden", "B", "a", "broken"}));
    EXPECT_EQ(listBaseNames(dir.path(), ".ini", true).size(), 6u);
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

TEST(TextFile, AReadOnlyTargetIsRefusedUnlessForced) {
    testing::TempDir dir;
    const auto target = dir.write("out.c", "old");
    ::chmod(target.c_str(), 0444);
    try {
        writeBytes(target, "new");
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), (target.string() + ": Permission denied").c_str());
    }
    EXPECT_EQ(dir.read("out.c"), "old");
    writeBytes(target, "new", {.force = true});
    EXPECT_EQ(dir.read("out.c"), "new");
    EXPECT_EQ(std::filesystem::status(target).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                  std::filesystem::perms::others_read);
    EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(TextFile, DescriptorNamesAreWrittenThroughTheDescriptor) {
    const std::string pid = std::to_string(::getpid());
    const std::vector<std::pair<std::string, std::optional<int>>> names = {{"/dev/stdin", 0},
                                                                           {"/dev/stdout", 1},
                                                                           {"/dev/stderr", 2},
                                                                           {"/dev/./stdout", 1},
                                                                           {"/dev/fd/7", 7},
                                                                           {"/proc/self/fd/12", 12},
                                                                           {"/proc/" + pid + "/fd/3", 3},
                                                                           {"/dev/fd/x", std::nullopt},
                                                                           {"/dev/fd/", std::nullopt},
                                                                           {"/dev/fd/-1", std::nullopt},
                                                                           {"/tmp/stdout", std::nullopt},
                                                                           {"stdout", std::nullopt}};
    for (const auto& [name, fd] : names)
        EXPECT_EQ(descriptorNamedBy(name), fd) << name;

    // An appending redirect (">> log") keeps what the file held; the file stays the same file.
    testing::TempDir dir;
    const auto log = dir.write("log.txt", "first\n");
    const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    struct stat before {};
    ::stat(log.c_str(), &before);
    const auto link = dir.path() / "link";
    std::filesystem::create_symlink("/dev/fd/" + std::to_string(fd), link);
    for (const auto& name :
         {"/dev/fd/" + std::to_string(fd), "/proc/self/fd/" + std::to_string(fd), link.string()})
        writeBytes(name, "+");
    ::close(fd);
    EXPECT_EQ(dir.read("log.txt"), "first\n+++");
    struct stat after {};
    ::stat(log.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_THROW(writeBytes("/dev/fd/" + std::to_string(fd), "x"), FileError) << "a closed descriptor";
}

// The descriptor the child process holds on a file in `folder`, if any.
bool holdsFileIn(pid_t child, const std::filesystem::path& folder) {
    std::error_code ec;
    const std::string prefix = folder.string() + "/";
    for (std::filesystem::directory_iterator it("/proc/" + std::to_string(child) + "/fd", ec), end;
         !ec && it != end; it.increment(ec)) {
        std::error_code linkEc;
        if (std::filesystem::read_symlink(it->path(), linkEc).string().rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

TEST(TextFile, AKillDuringAWriteLeavesNothingBehind) {
    testing::TempDir dir;
    dir.write("out.c", "old");
    const std::string large(64u * 1024u * 1024u, 'x');
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            writeBytes(dir.path() / "out.c", large);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    // Killed while it holds the new content open, before it is complete.
    bool caught = false;
    int status = 0;
    while (!caught && ::waitpid(child, &status, WNOHANG) == 0) {
        caught = holdsFileIn(child, dir.path());
        if (!caught)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (!caught)
        GTEST_SKIP() << "the write ended before it could be interrupted";
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    EXPECT_EQ(dir.read("out.c"), "old");
    EXPECT_EQ(entries(dir.path()), 1u);
}

} // namespace
} // namespace regforge::io
