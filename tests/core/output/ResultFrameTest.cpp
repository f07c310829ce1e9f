#include "output/ResultFrame.h"

#include "output/ReplaceList.h"
#include "support/GeneratedText.h"

#include <gtest/gtest.h>

namespace regforge::output {
namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\n";
    return out;
}

const std::string kBanner = "/" + std::string(84, '*') + "\n" +
                            "   Code created using the Regforge, visit https://regforge.dev \n" +
                            std::string(84, '*') + "/\n";

TEST(ResultFrame, FramesDefinesFunctionsAndMain) {
    profile::DeviceState device;
    device.includeFile = "LPC214x.h";
    device.profileLines = {"[INCLUDE]", "LPC214x.h",   "[DEFINE]",   "#define A 1",
                           "",          "#define B 2", "[WHATEVER]", "not copied"};
    periph::ResultLists lists;
    lists.functionLines = {"void f(void)", "{", "}"};
    lists.mainLines = {"   PINSEL0 = 0x00000000;"};
    EXPECT_EQ(joined(frameResult(device, lists)),
              regforge::testing::expectedText("ResultFrameTest/FramesDefinesFunctionsAndMain"));
}

TEST(ResultFrame, WithoutDefineTwoEmptyLinesFollowTheInclude) {
    profile::DeviceState device;
    device.includeFile = "x.h";
    const auto lines = frameResult(device, {});
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[4], "#include <x.h>");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "int main(void)");
}

TEST(ReplaceList, PairsApplyInOrderInsideWordsWithoutRescanning) {
    EXPECT_EQ(applyReplaceList("A AB", {{"A", "B"}, {"B", "C"}}), "C CC");
    EXPECT_EQ(applyReplaceList("A AB", {{"B", "C"}, {"A", "B"}}), "B BC");
    EXPECT_EQ(applyReplaceList("PINSEL0 = 0;", {{"PINSEL", "PSEL"}}), "PSEL0 = 0;");
    EXPECT_EQ(applyReplaceList("aa", {{"a", "aa"}}), "aaaa") << "inserted text is not searched again";
    EXPECT_EQ(applyReplaceList("LPC_SC->PCONP", {{"lpc_sc->", "SC->"}}), "LPC_SC->PCONP") << "case-sensitive";

    EXPECT_EQ(parseReplaceLine("a=b=c"), (ReplacePair{"a", "b=c"}));
    EXPECT_FALSE(parseReplaceLine("=b"));
    EXPECT_FALSE(parseReplaceLine("a="));
    EXPECT_FALSE(parseReplaceLine("ab"));
    EXPECT_EQ(parseReplaceLine(" a = b"), (ReplacePair{" a ", " b"})) << "blanks belong to the texts";
}

} // namespace
} // namespace regforge::output
