// The profile a family table gives for each of its parts, compared whole with the text the
// profile grammar requires.

#include "profilegen/ProfileWriter.h"

#include "profilegen/FamilyTable.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace regforge::profilegen {
namespace {

using Lines = std::vector<std::string>;

const std::string kPinselFamily = R"(# a two-part PINSEL family
@@SET functions 4
@@SET dir IO{port}DIR,{bit}
@@PARTS
BIG  LQFP64 CAN USB
SMALL LQFP48
@@PINS
P0.0  | PINSEL0,1,0 | *PORT0.0 TXD0 RD1{CAN}
P0.1  | PINSEL0,3,2 | *PORT0.1 -    TD1{CAN} EINT0 | O | - | -
P0.31 | PINSEL1,31,30 | *PORT0.31 VBUS{USB} | I
P1.16 | PINSEL2,0,3 | PORT1.16 *TRACEPKT0 | | | | | LQFP64
P1.17 | PINSEL2,0,3 | PORT1.17 *TRACEPKT1 | IO1DIR,17,I/O | - | | | LQFP64
@@PROFILE
[PINSEL]
@PINSEL
[IODIR]
@IODIR
{USB} [USB]
{!CAN} ; no CAN on ${PART}
[NOPINMODE]
@NOPINMODE
[NOOD]
@NOOD
[IO_ISR]
@PORTPINS 1 0
[DEFINE]
#define BIT(n)      (1UL << (n))
)";

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
    const Lines big = {
        "[PINSEL]",
        "PINSEL0,1,0@P0.0:PORT0.0;TXD0,RD1,Reserved,",
        "PINSEL0,3,2@P0.1:PORT0.1;Reserved,TD1,EINT0,",
        "PINSEL1,31,30@P0.31:PORT0.31;VBUS,Reserved,Reserved,",
        "PINSEL2,0,3@P1.16:PORT1.16,TRACEPKT0;Reserved,Reserved,",
        "PINSEL2,0,3@P1.17:PORT1.17,TRACEPKT1;Reserved,Reserved,",
        "[IODIR]",
        "IO0DIR,0",
        "IO0DIR,1,O",
        "IO0DIR,31,I",
        "IO1DIR,16",
        "IO1DIR,17,I/O",
        "[USB]",
        "[NOPINMODE]",
        "P0.1",
        "P1.17",
        "[NOOD]",
        "P0.1",
        "[IO_ISR]",
        "P1.16",
        "P1.17",
        "P0.0",
        "P0.1",
        "P0.31",
        "[DEFINE]",
        "#define BIT(n)      (1UL << (n))",
    };
    EXPECT_EQ(profileOf(kPinselFamily, "BIG"), big);

    const Lines small = {
        "[PINSEL]",
        "PINSEL0,1,0@P0.0:PORT0.0;TXD0,Reserved,Reserved,",
        "PINSEL0,3,2@P0.1:PORT0.1;Reserved,Reserved,EINT0,",
        "PINSEL1,31,30@P0.31:PORT0.31;Reserved,Reserved,Reserved,",
        "[IODIR]",
        "IO0DIR,0",
        "IO0DIR,1,O",
        "IO0DIR,31,I",
        "; no CAN on SMALL",
        "[NOPINMODE]",
        "P0.1",
        "[NOOD]",
        "P0.1",
        "[IO_ISR]",
        "P0.0",
        "P0.1",
        "P0.31",
        "[DEFINE]",
        "#define BIT(n)      (1UL << (n))",
    };
    EXPECT_EQ(profileOf(kPinselFamily, "SMALL"), small);
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
}

} // namespace
} // namespace regforge::profilegen
