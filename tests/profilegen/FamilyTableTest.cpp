// The family-table reader refuses every mistake that would otherwise reach a shipped profile
// silently, and names the line it is on.

#include "profilegen/FamilyTable.h"

#include <gtest/gtest.h>
#include <string>

namespace regforge::profilegen {
namespace {

const std::string kHead = "@@SET functions 4\n@@PARTS\nLPC1 BIG USB\nLPC2 SMALL\n@@PINS\n";

// The message of the error the table raises, or "" when it reads.
std::string errorOf(const std::string& text) {
    try {
        readFamilyTable(text, "t.fam");
    } catch (const FamilyError& error) {
        return error.what();
    }
    return "";
}

TEST(FamilyTable, ReadsPinColumnsConditionsAndSettings) {
    const auto table = readFamilyTable("# comment\n@@SET functions 8\n@@SET dir IO{port}DIR,{bit}\n"
                                       "@@SET iocon.D HYS,INV,\n@@PARTS\nLPC1 BIG USB\n@@PINS\n"
                                       "PIO1_10 | R | PORT1.10 *VBUS{USB} - | I | - | | @D | BIG\n"
                                       "@@PROFILE\n# not a comment here\n",
                                       "t.fam");
    EXPECT_EQ(table.functionCount, 8);
    EXPECT_EQ(table.directionPattern, "IO{port}DIR,{bit}");
    ASSERT_EQ(table.pins.size(), 1u);
    const PinRow& pin = table.pins[0];
    EXPECT_EQ(pin.port, 1);
    EXPECT_EQ(pin.bit, 10);
    EXPECT_EQ(pin.resetFunction, 1);
    ASSERT_EQ(pin.functions.size(), 3u);
    EXPECT_EQ(pin.functions[1].name, "VBUS");
    EXPECT_FALSE(pin.functions[1].condition.holds({"BIG"}));
    EXPECT_EQ(pin.functions[2].name, "Reserved");
    EXPECT_EQ(pin.direction, "I");
    EXPECT_TRUE(pin.noPullMode);
    EXPECT_FALSE(pin.noOpenDrain);
    EXPECT_EQ(pin.iocon, "@D");
    EXPECT_TRUE(pin.only.holds({"BIG"}));
    ASSERT_EQ(table.profile.size(), 1u);
    EXPECT_EQ(table.profile[0].text, "# not a comment here");
}

TEST(FamilyTable, ConditionsHoldOnAnyAlternative) {
    const Tags tags = {"CAN1", "LQFP100"};
    EXPECT_TRUE(Condition::parse("").holds(tags));
    EXPECT_TRUE(Condition::parse("CAN1").holds(tags));
    EXPECT_FALSE(Condition::parse("CAN2").holds(tags));
    EXPECT_TRUE(Condition::parse("CAN2, CAN1").holds(tags));
    EXPECT_TRUE(Condition::parse("!LCD").holds(tags));
    EXPECT_FALSE(Condition::parse("!CAN1").holds(tags));
    EXPECT_THROW(Condition::parse("CAN1,,CAN2"), std::invalid_argument);
    EXPECT_THROW(Condition::parse("!"), std::invalid_argument);
}

TEST(FamilyTable, RefusesMistakesWithTheirLine) {
    EXPECT_EQ(errorOf(kHead + "P0.0 | S | PORT0.0 TXD0\n"),
              "t.fam:6: the pin P0.0 marks no reset function (a leading *)");
    EXPECT_EQ(errorOf(kHead + "P0.0 | S | *PORT0.0 *TXD0\n"),
              "t.fam:6: the pin P0.0 marks two reset functions");
    EXPECT_EQ(errorOf(kHead + "P0.0 | S | *PORT0.0 A B C D\n"),
              "t.fam:6: the pin P0.0 lists 5 functions; 1 to 4 are allowed");
    EXPECT_EQ(errorOf(kHead + "P0.0 | S | *PORT0.0 RD1{CAN1}\n"),
              "t.fam:6: the tag \"CAN1\" is not given to any part");
    EXPECT_EQ(errorOf(kHead + "P0.0 | S | *PORT0.0 | X\n"),
              "t.fam:6: the direction of P0.0 must be empty, I, O, I/O or a whole spec");
    EXPECT_EQ(errorOf(kHead + "P0.0 | S | *PORT0.0 | | x\n"),
              "t.fam:6: the pull column of P0.0 must be empty or -");
    EXPECT_EQ(errorOf(kHead + "P0.0 | S | *PORT0.0 | | | | @Q\n"),
              "t.fam:6: no IOCON list named \"Q\" (@@SET iocon.NAME)");
    EXPECT_EQ(errorOf(kHead + "P0.0 | S | *PORT0.0\nP0.0 | S | *PORT0.0\n"),
              "t.fam:7: the pin P0.0 is listed twice");
    EXPECT_EQ(errorOf(kHead + "PX | S | *PORT0.0\n"),
              "t.fam:6: the pin name \"PX\" has no port and bit number");
    EXPECT_EQ(errorOf(kHead + "P0.0 | | *PORT0.0\n"), "t.fam:6: the pin P0.0 has no usable register spec");
    EXPECT_EQ(errorOf(kHead + "P0.0 | S | *PORT0.0 TX;D\n"),
              "t.fam:6: bad function name \"TX;D\" on the pin P0.0");
    EXPECT_EQ(
        errorOf(kHead + "P0.0 | S\n"),
        "t.fam:6: a pin line has 3 to 8 columns: pin | select | functions | dir | pull | od | iocon | only");
    EXPECT_EQ(errorOf("@@PARTS\nLPC1\nLPC1\n"), "t.fam:3: the part LPC1 is listed twice");
    EXPECT_EQ(errorOf("@@PARTS\n../x\n"), "t.fam:2: the part name \"../x\" is not a plain file name");
    EXPECT_EQ(errorOf("@@SET functions 5\n"), "t.fam:1: functions must be 4 or 8");
    EXPECT_EQ(errorOf("@@SET colour red\n"), "t.fam:1: unknown setting \"colour\"");
    EXPECT_EQ(errorOf("@@PIN\n"), "t.fam:1: unknown block \"@@PIN\"");
    EXPECT_EQ(errorOf("P0.0 | S | *PORT0.0\n"), "t.fam:1: text outside a block: \"P0.0 | S | *PORT0.0\"");
    EXPECT_EQ(errorOf("# nothing\n"), "t.fam:1: the table names no part (@@PARTS)");
    EXPECT_EQ(errorOf(kHead + "@@PACKAGE BIG pins=0\n"),
              "t.fam:6: the pin count is \"pins=N\", N from 1 to 999");
    EXPECT_EQ(errorOf(kHead + "@@PACKAGE BIG pins=4\n4 VSS\n5 VDD\n"),
              "t.fam:8: the BIG has pins 1 to 4, not \"5\"");
    EXPECT_EQ(errorOf(kHead + "@@PACKAGE BIG pins=4\n04 VSS\n"),
              "t.fam:7: the BIG has pins 1 to 4, not \"04\"");
    EXPECT_EQ(errorOf(kHead + "@@PACKAGE TFBGA9 pins=9\n"),
              "t.fam:6: a ball grid places its balls by name and takes no pin count");
    EXPECT_EQ(errorOf(kHead + "@@PACKAGE BIG {USB}\n@@PACKAGE BIG\n"),
              "t.fam:7: the package BIG is listed twice");
    EXPECT_EQ(errorOf(kHead + "@@PACKAGE BIG 64\n"),
              "t.fam:6: a package block is \"@@PACKAGE NAME [pins=N] [{condition}]\"");
    EXPECT_EQ(errorOf(kHead + "@@PROFILE\n{SMAL} [X]\n"),
              "t.fam:7: the tag \"SMAL\" is not given to any part");
}

} // namespace
} // namespace regforge::profilegen
