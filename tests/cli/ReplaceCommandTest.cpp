#include "CliDataFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace regforge::cli {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::Outcome;

const std::string kOriginal = "PINSEL0 = 1;\r\n/* \xE9\xFF */\nnul\0 PINSEL1"s;
const std::string kReplaced = "PSEL0 = 1;\r\n/* \xE9\xFF */\nnul\0 PSEL1"s;

class ReplaceCommand : public ::testing::Test, public testing::CliDataFolder {
protected:
    ReplaceCommand() { data.write("replace/keil.ini", "PINSEL=PSEL\r\n"); }
};

TEST_F(ReplaceCommand, AppliesAStoredListToAFileInPlace) {
    const auto file = data.write("work/main.c", kOriginal);
    const Outcome done = cli({"replace", "keil", file.string()});
    EXPECT_EQ(done.code, 0) << done.err;
    EXPECT_EQ(done.out, "");
    EXPECT_EQ(done.err, "");
    EXPECT_EQ(data.read("work/main.c"), kReplaced);
    EXPECT_EQ(data.read("work/main.c.bak"), kOriginal);
}

TEST_F(ReplaceCommand, FailuresExitOneAndLeaveTheFileAlone) {
    const auto file = data.write("work/main.c", kOriginal);
    const Outcome missingList = cli({"replace", "gcc", file.string()});
    EXPECT_EQ(missingList.code, 1);
    EXPECT_NE(missingList.err.find("The replace profile is missing"), std::string::npos) << missingList.err;

    data.write("evil.ini", "PINSEL=HACKED\r\n");
    for (const std::string name : {"../evil", "..", "a/b", "a\\b", "x\ty"}) {
        const Outcome hostile = cli({"replace", name, file.string()});
        EXPECT_EQ(hostile.code, 1) << name;
        EXPECT_NE(hostile.err.find("Wrong file name"), std::string::npos) << hostile.err;
    }

    const Outcome missingFile = cli({"replace", "keil", (data.path() / "work/none.c").string()});
    EXPECT_EQ(missingFile.code, 1);
    EXPECT_NE(missingFile.err.find("none.c was not changed"), std::string::npos) << missingFile.err;

    fs::create_directories(data.path() / "work/main.c.bak/inside");
    const Outcome blocked = cli({"replace", "keil", file.string()});
    EXPECT_EQ(blocked.code, 1);
    EXPECT_FALSE(blocked.err.empty());

    EXPECT_EQ(data.read("work/main.c"), kOriginal);
    EXPECT_FALSE(fs::exists(data.path() / "work/none.c.bak"));

    const Outcome usage = cli({"replace", "keil"});
    EXPECT_EQ(usage.code, 2);
}

TEST_F(ReplaceCommand, EachCommandExplainsItself) {
    const Outcome replaceHelp = cli({"replace", "--help"});
    EXPECT_EQ(replaceHelp.code, 0);
    EXPECT_EQ(replaceHelp.out.rfind("usage: regforge-cli [--data-dir DIR] replace LIST FILE\n", 0), 0u)
        << replaceHelp.out;
    EXPECT_NE(replaceHelp.out.find("FILE.bak"), std::string::npos);
    const Outcome generateHelp = cli({"generate", "--help"});
    EXPECT_NE(generateHelp.out.find("-r, --replace LIST"), std::string::npos) << generateHelp.out;
    EXPECT_NE(cli({"--help"}).out.find("  replace "), std::string::npos);
}

TEST_F(ReplaceCommand, GenerateAppliesANamedListInsteadOfTheConfigurations) {
    data.write("replace/upper.ini", "IO0DIR=IODIR0\r\n");
    const auto config = saveConfiguration("tiny.sav");
    const std::string text = useReplaceList(config, "upper");

    const Outcome own = cli({"generate", config.string()});
    EXPECT_EQ(own.code, 0) << own.err;
    EXPECT_NE(own.out.find("    IODIR0 = 0x00000000;"), std::string::npos);

    const Outcome named = cli({"generate", config.string(), "--replace", "keil"});
    EXPECT_EQ(named.code, 0) << named.err;
    EXPECT_NE(named.out.find("    PSEL0 = 0x00000001;"), std::string::npos) << named.out;
    EXPECT_NE(named.out.find("    IO0DIR = 0x00000000;"), std::string::npos)
        << "the configuration's list is not used";
    EXPECT_EQ(named.out.find("PINSEL"), std::string::npos);
    EXPECT_EQ(data.read("tiny.sav"), text) << "the configuration is not changed";

    // The list applies even when the configuration leaves its own switched off.
    const auto plain = saveConfiguration("plain.sav");
    const Outcome switchedOff = cli({"generate", plain.string(), "-r", "keil"});
    EXPECT_EQ(switchedOff.code, 0) << switchedOff.err;
    EXPECT_NE(switchedOff.out.find("    PSEL0 = 0x00000001;"), std::string::npos);

    const auto output = data.path() / "main.c";
    const Outcome bad = cli({"generate", config.string(), "-r", "../keil", "-o", output.string()});
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.err.find("Wrong file name"), std::string::npos) << bad.err;
    const Outcome missing = cli({"generate", config.string(), "-r", "gcc", "-o", output.string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(fs::exists(output));
}

} // namespace
} // namespace regforge::cli
