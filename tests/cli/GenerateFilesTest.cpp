// `generate CONFIG --files DIR`: the files a build compiles, rewritten only when their text
// changes, the drift check, and the refusals.
#include "CliDataFolder.h"
#include "support/GeneratedText.h"

#include <gtest/gtest.h>

namespace regforge::cli {
namespace {

namespace fs = std::filesystem;
using testing::Outcome;

class GenerateFiles : public ::testing::Test, public testing::CliDataFolder {
protected:
    GenerateFiles() : CliDataFolder(regforge::testing::fixtureText("input/GenerateCommandTest/profile.ini")) {
        fs::create_directory(dir);
    }

    Outcome files(std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"generate", config.string(), "--files", dir.string()};
        args.insert(args.end(), more.begin(), more.end());
        return cli(args);
    }

    const fs::path config = saveConfiguration("tiny.sav");
    const fs::path dir = data.path() / "generated";
};

TEST_F(GenerateFiles, WritesBothFilesOnlyWhenTheirTextChanges) {
    const Outcome first = files();
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(first.out + first.err, "");
    const std::string source = data.read("generated/regforge_setup.c");
    EXPECT_NE(source.find("void regforge_setup(void)\n{\n/*\n    P0.0:  TXD0\n*/\n"), std::string::npos)
        << source;
    EXPECT_NE(data.read("generated/regforge_setup.h").find("#include <LPC214x.h>\n\n#define LED (1 << 0)\n"),
              std::string::npos);

    // A file whose text is the same keeps its time stamp; a changed one is written again.
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(dir / "regforge_setup.c", old);
    data.write("generated/regforge_setup.h", "edited\n");
    ASSERT_EQ(files().code, 0);
    EXPECT_EQ(fs::last_write_time(dir / "regforge_setup.c"), old);
    EXPECT_NE(data.read("generated/regforge_setup.h"), "edited\n");

    // The replace list applies to the files as to the pasted text.
    data.write("replace/psel.ini", "PINSEL=PSEL\r\n");
    ASSERT_EQ(files({"--replace", "psel"}).code, 0);
    EXPECT_NE(data.read("generated/regforge_setup.c").find("    PSEL0 = 0x00000001;"), std::string::npos);
}

TEST_F(GenerateFiles, VerifyExitsOneWithADiffOnDriftAndZeroWhenTheSame) {
    const Outcome missing = files({"--verify"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(
        missing.err.find("--- /dev/null\n+++ " + (dir / "regforge_setup.h").string() + " (generated)\n"),
        std::string::npos)
        << missing.err;
    ASSERT_EQ(files({"--compiler", "gcc"}).code, 0);
    EXPECT_EQ(files({"--verify", "--compiler", "GCC"}).code, 0);
    const std::string text = data.read("generated/regforge_setup.c");
    data.write("generated/regforge_setup.c", text + "int mine;\n");
    const Outcome drift = files({"--verify"});
    EXPECT_EQ(drift.code, 1);
    EXPECT_NE(drift.err.find("-int mine;\n"), std::string::npos) << drift.err;
    EXPECT_EQ(drift.err.find("regforge_setup.h"), std::string::npos) << "an unchanged file is not listed";
}

TEST_F(GenerateFiles, RefusesABadFolderOrCompilerAndMixedOutputs) {
    const struct {
        std::vector<std::string> args;
        int code;
        const char* message;
    } cases[] = {
        {{"generate", config.string(), "--files", (data.path() / "absent").string()}, 1, "does not exist"},
        {{"generate", config.string(), "--files", config.string()}, 1, "is not a folder"},
        {{"generate", config.string(), "--files", dir.string(), "--compiler", "iar"},
         2,
         "unknown compiler iar"},
        {{"generate", config.string(), "--compiler", "gcc"}, 2, "--compiler applies to --files only"},
        {{"generate", config.string(), "--files", dir.string(), "-o", "x.c"}, 2, "exclude each other"},
    };
    for (const auto& c : cases) {
        const Outcome r = cli(c.args);
        EXPECT_EQ(r.code, c.code) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_TRUE(fs::is_empty(dir));
}

} // namespace
} // namespace regforge::cli
