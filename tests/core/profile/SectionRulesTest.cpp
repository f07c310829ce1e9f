#include "profile/ProfileCheck.h"
#include "profile/SectionChecker.h"
#include "support/GeneratedText.h"

#include <gtest/gtest.h>

namespace regforge::profile {
namespace {

std::vector<std::string> problemsOf(const Lines& lines, const std::vector<SectionDescription>& readers) {
    std::vector<std::string> texts;
    for (const auto& p : checkProfile(lines, readers))
        texts.push_back(std::to_string(p.line) + ": " + p.message);
    return texts;
}

// A reader of "[UNIT]": two lines at least, three read, no empty one, each a digit; it names a
// section of its own per digit and wants "[UNIT]" present.
SectionDescription unitReader() {
    SectionDescription reader;
    reader.sections.push_back(
        SectionRule("[UNIT]").withoutEmptyLines().takingAtLeast(2).readingAtMost(3).checkingLines(
            [](const std::string& line, std::size_t k) {
                return line.size() == 1 || line.empty()
                           ? std::nullopt
                           : std::optional<std::string>("line " + std::to_string(k) + " is no digit");
            }));
    reader.sections.push_back(SectionRule("[UNIT_INIT]").takingAtLeast(1));
    reader.namedSections = [](const Lines& lines) {
        std::vector<std::string> names;
        for (const auto& line : sectionBody(lines, "[UNIT]"))
            names.push_back("[UNIT" + line + "_CODE]");
        return names;
    };
    reader.check = [](SectionChecker& checker) {
        if (checker.header("[UNIT]") < 0)
            checker.reportFile("no [UNIT]");
    };
    return reader;
}

TEST(SectionRules, TheReadersDescriptionsDecideWhatIsKnownAndWhatIsWrong) {
    const std::vector<SectionDescription> readers = {SectionDescription{}, unitReader()};
    EXPECT_EQ(regforge::testing::expectedLines(
                  "SectionRulesTest/TheReadersDescriptionsDecideWhatIsKnownAndWhatIsWrong-2"),
              regforge::testing::expectedLines(
                  "SectionRulesTest/TheReadersDescriptionsDecideWhatIsKnownAndWhatIsWrong"));
    EXPECT_EQ(problemsOf({"[UNIT]", "1"}, readers),
              (std::vector<std::string>{"1: [UNIT] needs 2 lines after its header"}));
    // Without its reader a section is unknown.
    EXPECT_EQ(problemsOf({"[OTHER]", "[UNIT]", "1", "2"}, {unitReader()}),
              (std::vector<std::string>{"1: unknown section '[OTHER]'"}));
    EXPECT_EQ(problemsOf({"[OTHER]"}, {unitReader()}),
              (std::vector<std::string>{"0: no [UNIT]", "1: unknown section '[OTHER]'"}));
}

} // namespace
} // namespace regforge::profile
