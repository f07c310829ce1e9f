// The profile a family table gives for each of its parts, compared whole with the text the
// profile grammar requires.

#include "profilegen/ProfileWriter.h"

#include "profilegen/FamilyTable.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace regforge::profilegen {
namespace {

using Lines = std::vector<std::string>;

// A two-part PINSEL family and the profile of each part, as fixture files.
std::string fixture(const std::string& name) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/profilegen/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Lines linesOf(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

Lines profileOf(const std::string& familyText, const std::string& partName) {
    const auto family = readFamilyTable(familyText, "t.fam");
    for (const auto& part : family.parts) {
        if (part.name == partName) {
            return writeProfile(family, part);
        }
    }
    ADD_FAILURE() << "no part " << partName;
    return {};
}

TEST(ProfileWriter, WritesEachPartsPinsFunctionsAndConditionalLines) {
    EXPECT_EQ(profileOf(fixture("pinsel.fam"), "BIG"), linesOf(fixture("BIG.ini")));

    EXPECT_EQ(profileOf(fixture("pinsel.fam"), "SMALL"), linesOf(fixture("SMALL.ini")));
}

TEST(ProfileWriter, WritesIoconOptionListsAndEightFunctions) {
    const std::string family = "@@SET functions 8\n@@SET dir LPC_GPIO{port}->DIR,{bit}\n@@SET iocon.D HYS,\n"
                               "@@PARTS\nP\n@@PINS\n"
                               "PIO0_0 | LPC_IOCON->RESET_PIO0_0 | *RESET PORT0.0 | | | | @D\n"
                               "PIO0_4 | LPC_IOCON->PIO0_4 | *PORT0.4 SCL | | - | | I2CMODE,\n"
                               "PIO0_5 | LPC_IOCON->PIO0_5 | *PORT0.5 | | | | -\n"
                               "PIO0_11 | LPC_IOCON->R_PIO0_11 | *- PORT0.11 AD0 | | | | @D\n"
                               "@@PROFILE\n[PINSEL]\n@PINSEL\n[IOCON]\n@IOCON\n";
    const Lines expected = {
        "[PINSEL]",
        "LPC_IOCON->RESET_PIO0_0@PIO0_0:RESET;PORT0.0,Reserved,Reserved,Reserved,Reserved,Reserved,Reserved,",
        "LPC_IOCON->PIO0_4@PIO0_4:PORT0.4;SCL,Reserved,Reserved,Reserved,Reserved,Reserved,Reserved,",
        "LPC_IOCON->PIO0_5@PIO0_5:PORT0.5;Reserved,Reserved,Reserved,Reserved,Reserved,Reserved,Reserved,",
        "LPC_IOCON->R_PIO0_11@PIO0_11:Reserved;PORT0.11,AD0,Reserved,Reserved,Reserved,Reserved,Reserved,",
        "[IOCON]",
        "HYS,",
        "I2CMODE,",
        "-",
        "HYS,",
    };
    EXPECT_EQ(profileOf(family, "P"), expected);
}

TEST(ProfileWriter, RefusesWhatWouldMakeAnUnsoundProfile) {
    const auto errorOf = [](const std::string& text, const std::string& part) {
        try {
            profileOf(text, part);
        } catch (const FamilyError& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    const std::string head = "@@PARTS\nA X\nB\n@@PINS\n";
    EXPECT_EQ(errorOf(head + "P0.0 | S | PORT0.0 *TXD0{X}\n@@PROFILE\n@PINSEL\n", "B"),
              "t.fam:5: B: the reset function of P0.0 is not on this part");
    EXPECT_EQ(errorOf(head + "P0.0 | S | *PORT0.0\n@@PROFILE\n@IODIR\n", "A"),
              "t.fam:7: A: @IODIR needs \"@@SET dir\" or a whole spec in each pin's dir column");
    EXPECT_EQ(errorOf(head + "P0.0 | S | *PORT0.0\n@@PROFILE\n@IOCON\n", "A"),
              "t.fam:5: A: the pin P0.0 has no iocon column");
    EXPECT_EQ(errorOf(head + "P0.0 | S | *PORT0.0\n@@PROFILE\n@PINSELS\n", "A"),
              "t.fam:7: A: unknown expansion \"@PINSELS\"");
    EXPECT_EQ(errorOf(head + "P0.0 | S | *PORT0.0\n@@PROFILE\n@PORTPINS x\n", "A"),
              "t.fam:7: A: @PORTPINS takes port numbers");
    EXPECT_EQ(errorOf(head + "P0.0 | S | *PORT0.0\n@@PACKAGE X {X}\n1 P0.0\n@@PACKAGE X {X}\n1 P0.0\n"
                             "@@PROFILE\n@PACKAGE\n",
                      "A"),
              "t.fam:8: A: two X lists hold for this part");
}

} // namespace
} // namespace regforge::profilegen
