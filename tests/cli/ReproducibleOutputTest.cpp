// The same configuration gives the same bytes wherever and however it is generated: no date, no
// path, no locale reaches the code.
#include "cli/CommandLine.h"
#include "support/TempDir.h"

#include <clocale>
#include <filesystem>
#include <gtest/gtest.h>
#include <locale>
#include <sstream>

namespace regforge::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kRepository = fs::path(REGFORGE_FIXTURES) / ".." / "..";

// A decimal comma and digit grouping, as many users' locales have them.
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// A program folder of its own holding the shipped profiles and the example.
fs::path programFolder(const regforge::testing::TempDir& dir, const std::string& example) {
    fs::copy(kRepository / "data" / "include", dir.path() / "include", fs::copy_options::recursive);
    fs::copy(kRepository / "data" / "replace", dir.path() / "replace", fs::copy_options::recursive);
    fs::copy(kRepository / "examples" / example, dir.path() / example);
    return dir.path() / example;
}

TEST(ReproducibleOutput, TwoFoldersAndTwoLocalesGiveTheSameBytes) {
    for (const std::string example : {"LPC1768.sav", "LPC2148.sav", "LPC1343.sav"}) {
        SCOPED_TRACE(example);
        regforge::testing::TempDir first;
        regforge::testing::TempDir second;
        const fs::path a = programFolder(first, example);
        const fs::path b = programFolder(second, example);

        std::ostringstream out, err;
        ASSERT_EQ(
            run({"--data-dir", first.path().string(), "generate", a.string()}, "/nonexistent", "", out, err),
            0)
            << err.str();

        // The second run: another folder, a comma-decimal C++ locale and the C library's locale
        // switched, then the executable itself from another working folder with another
        // environment.
        const std::locale previous =
            std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
        std::setlocale(LC_ALL, "C.UTF-8");
        std::ostringstream out2, err2;
        const int code = run({"--data-dir", second.path().string(), "generate", b.string()}, "/nonexistent",
                             "", out2, err2);
        std::locale::global(previous);
        std::setlocale(LC_ALL, "C");
        ASSERT_EQ(code, 0) << err2.str();
        EXPECT_EQ(out2.str(), out.str());

        const std::string command = "cd " + second.path().string() +
                                    " && LC_ALL=C.UTF-8 TZ=Pacific/Auckland " + REGFORGE_CLI_EXE +
                                    " --data-dir . generate " + example + " -o third.c";
        ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
        EXPECT_EQ(second.read("third.c"), out.str());
    }
}

} // namespace
} // namespace regforge::cli
