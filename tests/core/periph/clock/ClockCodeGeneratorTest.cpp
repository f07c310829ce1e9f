// The clock block of each family, whole, as the page writes it for a usual set-up; and every
// family's block uses only names its device headers have and compiles against them.

#include "core/periph/clock/ClockFixture.h"
#include "support/HeaderNames.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace regforge::periph::clock {
namespace {

using testing::joined;
using testing::Lines;

struct FamilyCase {
    const char* part;
    const char* list; // tests/fixtures/registers/<list>.txt
    int source;
    const char* crystal;
    const char* wanted;
    bool usb;
};

const FamilyCase kFamilies[] = {
    {"LPC2148", "lpc21xx", kMainOscillatorItem, "12", "60", true},
    {"LPC2378", "lpc23xx", kMainOscillatorItem, "12", "72", true},
    {"LPC2468", "lpc24xx", kIrcItem, "12", "72", false},
    {"LPC1768", "lpc175x", kMainOscillatorItem, "12", "100", true},
    {"LPC1788", "lpc177x", kMainOscillatorItem, "12", "120", true},
    {"LPC1343", "lpc13xx", kMainOscillatorItem, "12", "72", true},
};

class ClockCodeGeneratorTest : public ClockFixture {
protected:
    Lines blockFor(const FamilyCase& c) {
        load(c.part);
        switchOn(c.crystal, c.wanted, c.usb);
        combo(kSourceCombo).setItemIndex(c.source);
        return generatedBy<ClocksPage>();
    }
};

TEST_F(ClockCodeGeneratorTest, EachFamilysBlockFollowsItsManualsSequence) {
    for (const FamilyCase& c : kFamilies) {
        SCOPED_TRACE(c.part);
        EXPECT_EQ(joined(blockFor(c)),
                  testing::expectedText(std::string("ClockCodeGeneratorTest/") + c.part));
    }
}

TEST_F(ClockCodeGeneratorTest, EachFamilysBlockCompilesAgainstItsHeaderNames) {
    const auto lists = std::filesystem::path(REGFORGE_FIXTURES) / "registers";
    for (const FamilyCase& c : kFamilies) {
        SCOPED_TRACE(c.part);
        const Lines block = blockFor(c);
        const auto names = testing::headerNames(lists / (std::string(c.list) + ".txt"), c.part);
        std::string code = "#include <" + folder.form().device().includeFile + ">\nint main(void)\n{\n";
        for (const auto& line : block)
            code += line + "\n";
        code += "   return 0;\n}\n";
        // Every structure member and every register assigned is one the family's headers have.
        static const std::regex member(R"(\bLPC_\w+->\w+)");
        static const std::regex assigned(R"((^|\n)\s*([A-Za-z_]\w*)\s*(\||&)?=[^=])");
        for (auto it = std::sregex_iterator(code.begin(), code.end(), member); it != std::sregex_iterator();
             ++it)
            EXPECT_TRUE(names.count(it->str()) != 0) << it->str();
        for (auto it = std::sregex_iterator(code.begin(), code.end(), assigned); it != std::sregex_iterator();
             ++it)
            EXPECT_TRUE(names.count((*it)[2].str()) != 0) << (*it)[2].str();
        if (testing::armCompiler().empty())
            continue;
        EXPECT_EQ(testing::compileForArm(code, testing::namesOnlyHeader(names),
                                         folder.form().device().cortexM3, folder.dir.path() / "gcc"),
                  "");
    }
}

} // namespace
} // namespace regforge::periph::clock
