#include "cli/CommandLine.h"
#include "support/GeneratedText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace regforge::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = REGFORGE_FIXTURES;
const fs::path kShipped = kFixtures / ".." / ".." / "data" / "include";

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

class CheckProfile : public ::testing::Test {
protected:
    Outcome check(const std::string& target) {
        std::ostringstream out;
        std::ostringstream err;
        const int code =
            run({"--data-dir", data.path().string(), "check-profile", target}, "/nonexistent", "", out, err);
        return {code, out.str(), err.str()};
    }
    testing::TempDir data;
};

TEST_F(CheckProfile, ShippedProfilesAreCleanByNameAndByFile) {
    fs::create_directories(data.path() / "include");
    for (const auto& entry : fs::directory_iterator(kShipped))
        if (entry.path().extension() == ".ini")
            fs::copy_file(entry.path(), data.path() / "include" / entry.path().filename());
    for (const auto& entry : fs::directory_iterator(kShipped)) {
        if (entry.path().extension() != ".ini")
            continue;
        const std::string device = entry.path().stem().string();
        SCOPED_TRACE(device);
        const auto byName = check(device);
        EXPECT_EQ(byName.code, 0) << byName.out << byName.err;
        EXPECT_EQ(byName.out, (data.path() / "include" / (device + ".ini")).string() + ": no problems\n");
        EXPECT_EQ(byName.err, "");
        const auto byFile = check(entry.path().string());
        EXPECT_EQ(byFile.code, 0) << byFile.out << byFile.err;
        EXPECT_EQ(byFile.out, entry.path().string() + ": no problems\n");
    }
}

TEST_F(CheckProfile, ReportsEachProblemWithItsLineThenTheFailedLoad) {
    const std::string file = (kFixtures / "profile" / "broken.ini").string();
    const auto r = check(file);
    EXPECT_EQ(r.code, 1);
    // The expected text names the profile FILE.
    std::string expected = regforge::testing::expectedText(
        "CheckProfileCommandTest/ReportsEachProblemWithItsLineThenTheFailedLoad");
    for (std::size_t at = expected.find("FILE"); at != std::string::npos;
         at = expected.find("FILE", at + file.size()))
        expected.replace(at, 4, file);
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");
}

TEST_F(CheckProfile, ProblemsThatDoNotStopTheLoadStillFail) {
    data.write("include/Odd.ini", "[PINSEL]\r\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,\r\n[IODIR]\r\n"
                                  "IO0DIR,0\r\n[INCLUDE]\r\nx.h\r\n[include]\r\n");
    const auto r = check("Odd");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, (data.path() / "include" / "Odd.ini").string() +
                         ":7: duplicate section [include]: only the one at line 5 is read\n");
}

TEST_F(CheckProfile, MissingProfilesAndFolders) {
    auto r = check("LPC2148");
    EXPECT_EQ(r.code, 1) << "no include folder";
    EXPECT_NE(r.err.find("Folder missing"), std::string::npos);

    data.write("include/A.ini", "[INCLUDE]\r\nx.h\r\n");
    r = check("LPC2148");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("no device profile 'LPC2148'"), std::string::npos) << r.err;

    const std::string missing = (data.path() / "missing.ini").string();
    r = check(missing);
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find(missing + ": Can't open profile"), std::string::npos) << r.out;
}

} // namespace
} // namespace regforge::cli
