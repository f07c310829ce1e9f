#include "cli/CommandLine.h"
#include "support/TempDir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace regforge::cli {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome runCli(const std::vector<std::string>& args, const std::string& env = "") {
    std::ostringstream out;
    std::ostringstream err;
    const int code = run(args, "/nonexistent-program-folder", env, out, err);
    return {code, out.str(), err.str()};
}

TEST(CliList, PrintsProfilesSortedIgnoringCase) {
    testing::TempDir data;
    data.write("include/b.ini", "[x]\n");
    data.write("include/A.ini", "[x]\n");
    data.write("include/picture.jpg", "");
    data.write("include/regforge", "[VERSION]\n2.2.2\n");

    const auto viaOption = runCli({"--data-dir", data.path().string(), "list"});
    EXPECT_EQ(viaOption.code, 0);
    EXPECT_EQ(viaOption.out, "A\nb\n");
    EXPECT_EQ(viaOption.err, "");

    const auto viaEnvironment = runCli({"list"}, data.path().string());
    EXPECT_EQ(viaEnvironment.out, "A\nb\n");
}

TEST(CliList, MissingIncludeFolderFailsWithTheMessage) {
    testing::TempDir data;
    const auto r = runCli({"--data-dir=" + data.path().string(), "list"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Folder missing"), std::string::npos);
    // The message names the folder the user gave and where it came from, not the executable.
    EXPECT_NE(r.err.find(data.path().string() + " given by --data-dir"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find((data.path() / "include").string() + " does not exist"), std::string::npos);
    EXPECT_EQ(r.err.find("executable"), std::string::npos) << r.err;

    const auto viaEnvironment = runCli({"list"}, data.path().string());
    EXPECT_EQ(viaEnvironment.code, 1);
    EXPECT_NE(viaEnvironment.err.find("given by REGFORGE_DATA_DIR"), std::string::npos) << viaEnvironment.err;

    const auto byDefault = runCli({"list"});
    EXPECT_EQ(byDefault.code, 1);
    EXPECT_NE(byDefault.err.find("same path as the executable"), std::string::npos) << byDefault.err;
}

TEST(CliArguments, BadArgumentsExitTwoWithUsage) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"--bogus", "list"}, {"list", "extra"}, {"--data-dir"}}) {
        const auto r = runCli(args);
        EXPECT_EQ(r.code, 2) << args.size();
        EXPECT_NE(r.err.find("usage: regforge-cli"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(runCli({"--help"}).code, 0);
    EXPECT_NE(runCli({"--help"}).out.find("list"), std::string::npos);
    EXPECT_EQ(runCli({"--version"}).out, std::string("regforge-cli ") + REGFORGE_VERSION + "\n");
}

TEST(CliArguments, CommandsDispatchFromTheirTable) {
    const auto unknown = runCli({"frobnicate", "--help"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.err.find("unknown command 'frobnicate'"), std::string::npos);

    for (const std::string command : {"list", "generate", "check-profile"}) {
        SCOPED_TRACE(command);
        const auto help = runCli({command, "--help"});
        EXPECT_EQ(help.code, 0);
        EXPECT_EQ(help.out.rfind("usage: regforge-cli [--data-dir DIR] " + command, 0), 0u) << help.out;
        EXPECT_EQ(help.err, "");
        EXPECT_NE(runCli({"--help"}).out.find("  " + command + " "), std::string::npos);
    }
    EXPECT_NE(runCli({"generate", "--help"}).out.find("-o, --output FILE"), std::string::npos);

    for (const auto& args : std::vector<std::vector<std::string>>{{"generate", "a.sav", "-o"},
                                                                  {"generate", "a.sav", "--out", "x"},
                                                                  {"list", "-o", "x"},
                                                                  {"check-profile"},
                                                                  {"check-profile", "a.ini", "b.ini"}}) {
        const auto r = runCli(args);
        EXPECT_EQ(r.code, 2) << args.back();
        EXPECT_NE(r.err.find("usage: regforge-cli [--data-dir DIR] " + args[0]), std::string::npos) << r.err;
    }
}

TEST(CliExecutable, ExitCodesReachTheShell) {
    testing::TempDir data;
    data.write("include/LPC2148.ini", "[x]\n");
    const std::string exe = REGFORGE_CLI_EXE;
    const std::string ok = exe + " --data-dir " + data.path().string() + " list >" +
                           (data.path() / "out.txt").string() + " 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(ok.c_str())), 0);
    EXPECT_EQ(data.read("out.txt"), "LPC2148\n");
    const std::string bad = exe + " nonsense 2>" + (data.path() / "err.txt").string();
    EXPECT_EQ(WEXITSTATUS(std::system(bad.c_str())), 2);
    EXPECT_NE(data.read("err.txt").find("usage:"), std::string::npos);
}

TEST(ShippedSettingsFile, HoldsOnlyTheVersionAndTheBuildWritesItsOwnCopy) {
    const std::filesystem::path shipped =
        std::filesystem::path(REGFORGE_FIXTURES) / "../../data/include/regforge";
    testing::TempDir dir;
    std::filesystem::copy_file(shipped, dir.path() / "regforge");
    EXPECT_EQ(dir.read("regforge"), "[VERSION]\r\n2.2.2\r\n");
    // The program in the build writes the settings file beside itself, never the shipped one.
    const auto copy = std::filesystem::path(REGFORGE_CLI_EXE).parent_path() / "include/regforge";
    ASSERT_TRUE(std::filesystem::is_regular_file(copy));
    EXPECT_FALSE(std::filesystem::is_symlink(copy));
    EXPECT_FALSE(std::filesystem::equivalent(copy, shipped));
}

} // namespace
} // namespace regforge::cli
