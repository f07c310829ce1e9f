#include "CliDataFolder.h"
#include "app/ConfigurationCommands.h"
#include "app/MainForm.h"
#include "cli/CliUi.h"
#include "cli/CommandLine.h"
#include "io/TextFile.h"
#include "model/ComboBox.h"
#include "model/Tree.h"
#include "support/GeneratedText.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>

namespace regforge::cli {
namespace {

// A device with one pin, a timer and the usual templates.
const std::string kProfile = regforge::testing::fixtureText("input/HostileInputTest/profile.ini");

using testing::Outcome;

class Hostile : public ::testing::Test, public testing::CliDataFolder {
protected:
    Hostile() : CliDataFolder(kProfile) {}

    Outcome generate(const std::filesystem::path& config, std::vector<std::string> more = {}) {
        more.insert(more.begin(), {"generate", config.string()});
        return cli(more);
    }
    // A run that neither crashed nor failed silently.
    static void expectHandled(const Outcome& r, const std::string& what) {
        EXPECT_TRUE(r.code == 0 || r.code == 1) << what;
        if (r.code != 0) {
            EXPECT_NE(r.err, "") << what;
        }
    }
};

TEST_F(Hostile, DeviceNamesThatArePathsNeverLeaveTheIncludeFolder) {
    // A profile outside include/ that a path in the device name could reach.
    data.write("x.ini", kProfile);
    data.write("include/sub/x.ini", kProfile);
    for (const std::string name : {"../x", "/etc/passwd", "a\\b", "sub/x", "..", "Tiny\t", "Ti*"}) {
        data.write("odd.sav", "[profile]\r\n" + name + "\r\n");
        const auto r = generate(data.path() / "odd.sav");
        EXPECT_EQ(r.code, 1) << name;
        EXPECT_NE(r.err.find("but the profile is not available"), std::string::npos) << name << ": " << r.err;
    }
}

TEST_F(Hostile, DamagedConfigurationsAreRefusedOrGeneratedNeverCrash) {
    const auto config = saveConfiguration("tiny.sav");
    const std::string saved = data.read("tiny.sav");
    const auto lines = io::splitLines(saved).lines;

    std::filesystem::create_directories(data.path() / "folder.sav");
    EXPECT_EQ(generate(data.path() / "folder.sav").code, 1);
    EXPECT_EQ(generate(data.write("empty.sav", "")).code, 1);
    std::string binary;
    for (int c = 0; c < 256; ++c)
        binary += static_cast<char>(c);
    EXPECT_EQ(generate(data.write("binary.sav", binary)).code, 1);
    const auto huge = data.write("huge.sav", "[profile]\r\nTiny\r\n");
    std::filesystem::resize_file(huge, 100u * 1024u * 1024u);
    const auto r = generate(huge);
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("larger than"), std::string::npos) << r.err;

    // Every line in turn: out of range, negative, enormous or 1 MB long (one of them per line,
    // in turn, to keep the run short).
    const std::vector<std::string> values = {"99", "-1", "1000000000000000000000000000000",
                                             std::string(1 << 20, '7')};
    for (std::size_t k = 2; k < lines.size(); ++k) {
        auto changed = lines;
        changed[k] = values[k % values.size()];
        data.write("bad.sav", io::joinLines(changed, io::LineEnding::CrLf));
        expectHandled(generate(data.path() / "bad.sav"),
                      "line " + std::to_string(k + 1) + " = " + changed[k].substr(0, 40));
    }
    // Files that end early, at every line.
    for (std::size_t k = 2; k < lines.size(); ++k) {
        const std::vector<std::string> head(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(k));
        data.write("short.sav", io::joinLines(head, io::LineEnding::CrLf));
        expectHandled(generate(data.path() / "short.sav"), "ends after line " + std::to_string(k));
    }
    EXPECT_EQ(data.read("tiny.sav"), saved);
    (void)config;
}

TEST_F(Hostile, DamagedProfilesAreReportedWithTheirLinesAndNeverCrash) {
    const auto lines = io::splitLines(kProfile).lines;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        for (const std::string& bad :
             std::vector<std::string>{"PINSEL0,99,0@P0.0:PORT0.0;A,B,C,", "-1",
                                      "1000000000000000000000000000000", std::string(1 << 20, 'P')}) {
            auto changed = lines;
            changed[k] = bad;
            data.write("include/Bad.ini", io::joinLines(changed, io::LineEnding::CrLf));
            const auto r = cli({"check-profile", "Bad"});
            EXPECT_TRUE(r.code == 0 || r.code == 1) << k;
        }
        const std::vector<std::string> head(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(k));
        data.write("include/Bad.ini", io::joinLines(head, io::LineEnding::CrLf));
        const auto r = cli({"check-profile", "Bad"});
        EXPECT_TRUE(r.code == 0 || r.code == 1) << k;
    }
    // A huge profile is refused by the load, named by check-profile.
    const auto huge = data.write("include/Huge.ini", "");
    std::filesystem::resize_file(huge, 100u * 1024u * 1024u);
    EXPECT_EQ(cli({"check-profile", "Huge"}).code, 1);
}

// One pin line of 15 MB with a function name per byte: checked and refused by the load in a few
// times its size (the run is measured as a child process).
TEST_F(Hostile, OneHugePinLineIsCheckedInAFewTimesItsSize) {
    constexpr std::size_t kLine = 15u * 1024u * 1024u;
    std::string profile = "[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;";
    profile.append(kLine, ',');
    profile += "\n[IODIR]\nIO0DIR,0\n[INCLUDE]\nx.h\n[LPC21xx]\n";
    const auto file = data.write("include/Line.ini", profile);
    const auto out = data.path() / "out.txt";
    const std::string command =
        std::string(REGFORGE_CLI_EXE) + " check-profile " + file.string() + " >" + out.string() + " 2>&1";
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
    const std::string checked = file.string() + ":2: pin P0.0 has " + std::to_string(kLine + 1) +
                                " functions, 4 expected\n" + file.string() + ": Can't open profile: ";
    EXPECT_EQ(data.read("out.txt").substr(0, checked.size()), checked);
#if !defined(__SANITIZE_ADDRESS__)
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LT(static_cast<std::size_t>(usage.ru_maxrss) * 1024u, 8 * kLine) << "peak kB " << usage.ru_maxrss;
#endif
}

TEST_F(Hostile, BadTimerAndPinValuesAreReportedAndTheHarmfulOnesRefused) {
    std::string text = kProfile;
    text.replace(text.find("32bit\r\nPWM\r\n2"), 14, "32bit\r\nPWM\r\n-1");
    text.replace(text.find("PINSEL0,1,0"), 11, "PINSEL0,0,1");
    text.replace(text.find("PORT0.0;"), 8, "PORT0.99999999999;");
    data.write("include/Bad.ini", text);
    const auto r = cli({"check-profile", "Bad"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("Bad.ini:2: pin P0.0: high bit 0 is below low bit 1 (the pair is reversed)"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Bad.ini:2: pin P0.0: 'PORT0.99999999999' names bit 99999999999, outside 0..31"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Bad.ini:8: capture input count '-1'"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Can't open profile"), std::string::npos) << r.out;

    // Each harmful value alone is refused by the load; the odd label alone is kept as text.
    for (const auto& [from, to, refused] :
         {std::tuple{"PINSEL0,1,0", "PINSEL0,0,1", true}, std::tuple{"PWM\r\n2", "PWM\r\n-1", true},
          std::tuple{"PORT0.0;", "PORT0.99999999999;", false}}) {
        std::string one = kProfile;
        one.replace(one.find(from), std::string(from).size(), to);
        data.write("include/One.ini", one);
        EXPECT_EQ(cli({"check-profile", "One"}).out.find("Can't open profile") != std::string::npos, refused)
            << to;
    }
}

TEST_F(Hostile, OutputsThatAreNoPlainNewFileAreHandled) {
    const auto config = saveConfiguration("tiny.sav");
    const std::string saved = data.read("tiny.sav");

    // Onto the configuration itself, also through another spelling of its path.
    for (const auto& self : {config, data.path() / "." / "tiny.sav"}) {
        const auto r = generate(config, {"-o", self.string()});
        EXPECT_EQ(r.code, 1);
        EXPECT_NE(r.err.find("is the configuration itself"), std::string::npos) << r.err;
        EXPECT_EQ(data.read("tiny.sav"), saved);
    }

    std::filesystem::create_directories(data.path() / "out.c");
    auto r = generate(config, {"-o", (data.path() / "out.c").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("out.c"), std::string::npos) << r.err;
    EXPECT_TRUE(std::filesystem::is_directory(data.path() / "out.c"));

    // A link is written through and stays a link; a device is written, not replaced.
    data.write("real/main.c", "old");
    std::filesystem::create_symlink(data.path() / "real/main.c", data.path() / "main.c");
    EXPECT_EQ(generate(config, {"-o", (data.path() / "main.c").string()}).code, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(data.path() / "main.c"));
    EXPECT_NE(data.read("real/main.c").find("int main(void)"), std::string::npos);
    EXPECT_EQ(generate(config, {"-o", "/dev/null"}).code, 0);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST_F(Hostile, AReplaceListThatGrowsWithoutEndStopsWithAMessage) {
    // Pair k turns every run of k zeros into 2k zeros: each pair doubles the zeros the
    // previous ones left (a list of about 1 KB).
    std::string list;
    for (std::size_t k = 1; k <= 30; ++k)
        list += std::string(k, '0') + "=" + std::string(2 * k, '0') + "\r\n";
    data.write("replace/grow.ini", list);
    const auto config = saveConfiguration("tiny.sav");
    useReplaceList(config, "grow");
    const auto r = generate(config, {"-o", (data.path() / "main.c").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("the replace list makes the code larger than 64 MB"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(data.path() / "main.c"));
}

TEST_F(Hostile, GenerateLeavesTheSettingsFileAlone) {
    const auto config = saveConfiguration("tiny.sav");
    const std::string settings = "[VERSION]\r\n2.2.2\r\n[LASTLOADED]\r\n/somewhere/else.sav\r\n";
    data.write("include/regforge", settings);
    EXPECT_EQ(generate(config).code, 0);
    EXPECT_EQ(data.read("include/regforge"), settings);
}

TEST_F(Hostile, DamagedSettingsFilesAreLeftToTheDesktopProgram) {
    // The settings file holds only the window size: no command reads it.
    const auto config = saveConfiguration("tiny.sav");
    data.write("replace/keil.ini", "PINSEL=PSEL\r\n");
    const auto work = data.write("work.c", "PINSEL0 = 1;\n");
    const auto settings = data.path() / "include/regforge";
    const std::vector<std::pair<std::string, std::function<void()>>> damages = {
        {"a bad size line", [&] { data.write("include/regforge", "[FORMSIZE]\r\nhigh\r\n300\r\n"); }},
        {"a folder", [&] { std::filesystem::create_directories(settings / "inside"); }},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0); }},
        {"over 16 MB", [&] { std::filesystem::resize_file(data.write("include/regforge", ""), 17u << 20); }}};
    for (const auto& [damage, make] : damages) {
        std::filesystem::remove_all(settings);
        make();
        for (const auto& args : std::vector<std::vector<std::string>>{{"list"},
                                                                      {"generate", config.string()},
                                                                      {"check-profile", "Tiny"},
                                                                      {"replace", "keil", work.string()}}) {
            const auto r = cli(args);
            EXPECT_EQ(r.code, 0) << damage << ": " << args[0] << ": " << r.err;
            EXPECT_EQ(r.err, "") << damage << ": " << args[0];
        }
    }
}

TEST_F(Hostile, ReadOnlyTargetsAreRefusedUnlessForced) {
    const auto config = saveConfiguration("tiny.sav");
    data.write("replace/keil.ini", "PINSEL=PSEL\r\n");
    const auto out = data.write("out.c", "old");
    const auto work = data.write("work.c", "PINSEL0 = 1;\n");
    for (const auto& file : {out, work})
        std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    const struct {
        std::vector<std::string> args;
        std::filesystem::path target;
        std::string err;
    } cases[] = {
        {{"generate", config.string(), "-o", out.string()},
         out,
         "regforge-cli: error: " + out.string() + ": Permission denied\n"},
        {{"replace", "keil", work.string()},
         work,
         "regforge-cli: error: " + work.string() + " was not changed: " + work.string() +
             ": Permission denied\n"},
    };
    for (const auto& c : cases) {
        const std::string before = data.read(c.target.filename().string());
        const auto refused = cli(c.args);
        EXPECT_EQ(refused.code, 1) << c.args[0];
        EXPECT_EQ(refused.err, c.err);
        EXPECT_EQ(data.read(c.target.filename().string()), before);
        for (const auto* force : {"--force", "-f"}) {
            auto forced = c.args;
            forced.push_back(force);
            const auto r = cli(forced);
            EXPECT_EQ(r.code, 0) << c.args[0] << " " << force << ": " << r.err;
        }
        EXPECT_NE(data.read(c.target.filename().string()), before) << c.args[0];
        EXPECT_EQ(std::filesystem::status(c.target).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_read);
    }
    EXPECT_FALSE(std::filesystem::exists(data.path() / "work.c.2.bak")) << "the refusal made no backup";
    EXPECT_EQ(cli({"generate", config.string(), "--force=yes"}).code, 2);
}

} // namespace
} // namespace regforge::cli
