// `check` and `generate --verify` on a one-pin device whose [BOARD] section makes the set-up
// give an error, a warning or only the clock note.
#include "CliDataFolder.h"

#include <gtest/gtest.h>

namespace regforge::cli {
namespace {

using testing::CliDataFolder;
using testing::kOnePinProfile;
using testing::Outcome;

std::string withBoard(const std::string& board) {
    return std::string(kOnePinProfile) + "[BOARD]\r\n" + board + "\r\n";
}

constexpr const char* kNote =
    "note: the code does not set the clocks: the figures assume CCLK 60 MHz and PCLK 15 MHz "
    "[Clocks]; make these clocks in the start-up code\n";

TEST(CheckCommand, PrintsEachProblemAndExitsByTheWorstOfThem) {
    struct Case {
        const char* board;
        std::vector<std::string> options;
        int code;
        std::string clock; // the clock bar's before the note, the pages' after it, without the file
        std::string pages;
    };
    const std::string reserved =
        "warning: P0.0 is TXD0 but the board keeps it as the LED [I/O]; select PORT0.0 on P0.0\n";
    const Case cases[] = {
        {"CPU_MAX@72", {}, 0, "", ""},
        {"CPU_MAX@50",
         {},
         1,
         "error: CCLK 60 MHz is above the Tiny's 50 MHz [Clocks]; lower CCLK to at most 50 MHz\n",
         ""},
        {"RESERVED@P0.0@PORT0.0@the LED", {}, 0, "", reserved},
        {"RESERVED@P0.0@PORT0.0@the LED", {"--warnings-as-errors"}, 1, "", reserved},
        {"CPU_MAX@72", {"--warnings-as-errors"}, 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.board) + (c.options.empty() ? "" : " " + c.options[0]));
        CliDataFolder folder(withBoard(c.board));
        const std::string config = folder.saveConfiguration("tiny.sav").string();
        std::vector<std::string> args = {"check", config};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const Outcome run = folder.cli(args);
        EXPECT_EQ(run.code, c.code);
        EXPECT_EQ(run.err, "");
        std::string expected = (c.clock.empty() ? "" : config + ": " + c.clock) + config + ": " + kNote;
        if (!c.pages.empty())
            expected += config + ": " + c.pages;
        EXPECT_EQ(run.out, expected);
    }
}

TEST(CheckCommand, WritesJsonForTools) {
    CliDataFolder folder(withBoard("CPU_MAX@50"));
    folder.saveConfiguration("tiny.sav");
    const auto config = (folder.data.path() / "tiny.sav").string();
    const Outcome run = folder.cli({"check", config, "--format", "json"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out,
              "{\"file\": \"" + config +
                  "\", \"errors\": 1, \"warnings\": 0, \"notes\": 1, \"problems\": [\n"
                  "  {\"severity\": \"error\", \"page\": \"Clocks\", \"subject\": \"CCLK\", \"control\": "
                  "\"pllclock_edit\", \"message\": \"CCLK 60 MHz is above the Tiny's 50 MHz\", \"fix\": "
                  "\"lower CCLK to at most 50 MHz\"},\n"
                  "  {\"severity\": \"note\", \"page\": \"Clocks\", \"subject\": \"CCLK\", \"control\": "
                  "\"pllclock_edit\", \"message\": \"the code does not set the clocks: the figures assume "
                  "CCLK 60 MHz and PCLK 15 MHz\", \"fix\": \"make these clocks in the start-up code\"}\n"
                  "]}\n");
}

TEST(CheckCommand, RefusesBadArgumentsAndUnusableConfigurations) {
    CliDataFolder folder;
    const auto config = folder.saveConfiguration("tiny.sav").string();
    EXPECT_EQ(folder.cli({"check", config, "--format", "xml"}).code, 2);
    EXPECT_EQ(folder.cli({"check"}).code, 2);
    EXPECT_EQ(folder.cli({"check", config, "--bogus"}).code, 2);
    EXPECT_EQ(folder.cli({"generate", config, "--verify"}).code, 2) << "--verify needs -o";
    const Outcome missing = folder.cli({"check", (folder.data.path() / "none.sav").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "");
}

TEST(GenerateVerify, ComparesTheFileWithTheCodeAndWritesNothing) {
    CliDataFolder folder;
    const auto config = folder.saveConfiguration("tiny.sav").string();
    const auto file = (folder.data.path() / "main.c").string();
    ASSERT_EQ(folder.cli({"generate", config, "-o", file}).code, 0);
    const std::string code = folder.data.read("main.c");

    const Outcome same = folder.cli({"generate", config, "-o", file, "--verify"});
    EXPECT_EQ(same.code, 0);
    EXPECT_EQ(same.err, "");

    std::string changed = code;
    changed.replace(changed.find("PINSEL0 = 0x00000001"), 20, "PINSEL0 = 0x00000000");
    folder.data.write("main.c", changed);
    const Outcome differs = folder.cli({"generate", config, "-o", file, "--verify"});
    EXPECT_EQ(differs.code, 1);
    EXPECT_EQ(folder.data.read("main.c"), changed) << "verify writes nothing";
    const auto lineOf = [&](const std::string& text, const std::string& what) {
        const auto at = text.find(what);
        return at == std::string::npos
                   ? std::string()
                   : text.substr(text.rfind('\n', at) + 1, text.find('\n', at) - text.rfind('\n', at) - 1);
    };
    const std::string before = lineOf(changed, "PINSEL0 = ");
    const std::string after = lineOf(code, "PINSEL0 = ");
    EXPECT_NE(differs.err.find("--- " + file + "\n+++ " + file + " (generated)\n@@ -"), std::string::npos)
        << differs.err;
    EXPECT_NE(differs.err.find("\n-" + before + "\n+" + after + "\n"), std::string::npos) << differs.err;
    EXPECT_NE(differs.err.find("differs from the code the configuration gives"), std::string::npos);

    const auto absent = (folder.data.path() / "absent.c").string();
    const Outcome missing = folder.cli({"generate", config, "-o", absent, "--verify"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(std::filesystem::exists(absent));
    EXPECT_NE(missing.err.find("--- /dev/null\n"), std::string::npos);
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos);
}

} // namespace
} // namespace regforge::cli
