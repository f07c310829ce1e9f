#include "CliDataFolder.h"
#include "app/ConfigurationCommands.h"
#include "app/MainForm.h"
#include "cli/CliUi.h"
#include "cli/CommandLine.h"
#include "model/ComboBox.h"
#include "model/Tree.h"
#include "support/GeneratedText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace regforge::cli {
namespace {

const std::string kProfile = regforge::testing::fixtureText("input/GenerateCommandTest/profile.ini");

const std::string kZeroBits = "00000000_00000000_00000000_0000000";

// The whole text the command prints for the tiny device with P0.0 as TXD0.
const std::string kExpected =
    "/" + std::string(84, '*') + "\n" + "   Code created using the Regforge, visit https://regforge.dev \n" +
    std::string(84, '*') + "/\n" +
    "\n"
    "#include <LPC214x.h>\n"
    "\n"
    "#define LED (1 << 0)\n"
    "\n"
    "int main(void)\n"
    "{\n"
    "/*\n"
    "    P0.0:  TXD0\n"
    "*/\n"
    "\n"
    "\n"
    "    PINSEL0 = 0x00000001;     /* binary: " +
    kZeroBits + "1 */\n" + "    IO0DIR = 0x00000000;     /* binary: " + kZeroBits + "0 */\n" +
    "\n"
    "   while(1)\n"
    "  {\n"
    "  \n"
    "  \n"
    "   }\n"
    "\n"
    "}\n";

using testing::Outcome;

class Generate : public ::testing::Test, public testing::CliDataFolder {
protected:
    Generate() : CliDataFolder(kProfile) {}

    Outcome generate(std::vector<std::string> args) {
        args.insert(args.begin(), "generate");
        return cli(std::move(args));
    }
};

TEST_F(Generate, PrintsTheResultTextOfASavedConfiguration) {
    const auto config = saveConfiguration("tiny.sav");
    const auto printed = generate({config.string()});
    EXPECT_EQ(printed.code, 0) << printed.err;
    EXPECT_EQ(printed.err, "");
    EXPECT_EQ(printed.out, kExpected);

    const auto written = generate({config.string(), "-o", (data.path() / "main.c").string()});
    EXPECT_EQ(written.code, 0);
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(data.read("main.c"), kExpected);

    // An output in a folder that does not exist is named as the user gave it.
    const auto target = (data.path() / "no-such-folder" / "x.c").string();
    const auto unwritable = generate({config.string(), "-o", target});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_NE(unwritable.err.find("cannot write " + target + ":"), std::string::npos) << unwritable.err;
    EXPECT_EQ(unwritable.err.find(".tmp"), std::string::npos) << unwritable.err;
}

TEST_F(Generate, AppliesTheReplaceListTheConfigurationSwitchesOn) {
    data.write("replace/keil.ini", "PINSEL=PSEL\r\n");
    const auto config = saveConfiguration("tiny.sav");
    useReplaceList(config, "keil");
    const auto printed = generate({config.string()});
    EXPECT_EQ(printed.code, 0) << printed.err;
    EXPECT_NE(printed.out.find("    PSEL0 = 0x00000001;"), std::string::npos);
    EXPECT_EQ(printed.out.find("PINSEL"), std::string::npos);
}

TEST_F(Generate, FailuresExitOneWithTheMessageAndWriteNothing) {
    const auto config = saveConfiguration("tiny.sav");
    const auto output = data.path() / "main.c";

    data.write("broken.sav", "not a configuration\r\n");
    auto r = generate({(data.path() / "broken.sav").string(), "-o", output.string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("The file is not a valid Regforge file."), std::string::npos);

    std::filesystem::remove(data.path() / "include/Tiny.ini");
    r = generate({config.string(), "-o", output.string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Profile not found"), std::string::npos);

    data.write("include/Tiny.ini",
               "[PINSEL]\r\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,\r\n[INCLUDE]\r\nx.h\r\n");
    r = generate({config.string(), "-o", output.string()});
    EXPECT_EQ(r.code, 1) << "a pin without its direction entry cannot be loaded";
    EXPECT_NE(r.err.find("Can't open profile"), std::string::npos);

    r = generate({(data.path() / "missing.sav").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_NE(r.err.find("missing.sav"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("error: Error"), std::string::npos) << "the level is said once: " << r.err;

    EXPECT_EQ(generate({}).code, 2);
    EXPECT_EQ(generate({"a.sav", "b.sav"}).code, 2);
}

} // namespace
} // namespace regforge::cli
