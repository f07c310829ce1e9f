#include "profile/PinTable.h"

#include <gtest/gtest.h>

namespace regforge::profile {
namespace {

TEST(PinTable, ReadsPinsWithFunctionsInSelectOrderAndTheResetFunction) {
    const Lines profile = {
        "[LPC21xx]",
        "[PINSEL]",
        "PINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,",
        "LPC_IOCON->R_PIO0_11@PIO0_11:Reserved,PORT0.11;AD0;CT32B0_MAT3,",
        "no pin here",
        "PINSEL0,3,2@P0.1:PORT0.1;RXD0,PWM3,EINT0,DROPPED",
        "[IODIR]",
        "PINSEL0,5,4@P0.2:PORT0.2;SCL0,",
    };
    const auto pins = readPinTable(profile);
    ASSERT_EQ(pins.size(), 3U);
    EXPECT_EQ(pins[0].name, "P0.0");
    EXPECT_EQ(pins[0].port, "P0");
    EXPECT_EQ(pins[0].functions, (std::vector<std::string>{"PORT0.0", "TXD0", "PWM1", "Reserved"}));
    EXPECT_EQ(pins[0].resetFunction, 0);
    EXPECT_EQ(pins[1].name, "PIO0_11");
    EXPECT_EQ(pins[1].port, "PIO0");
    // The function before the first ";" is the reset function, wherever it stands.
    EXPECT_EQ(pins[1].functions, (std::vector<std::string>{"Reserved", "PORT0.11", "AD0", "CT32B0_MAT3"}));
    EXPECT_EQ(pins[1].resetFunction, 1);
    // A token without its "," is dropped; the section ends at the next header.
    EXPECT_EQ(pins[2].functions, (std::vector<std::string>{"PORT0.1", "RXD0", "PWM3", "EINT0"}));
}

TEST(PinTable, AProfileWithoutPinsGivesAnEmptyTable) {
    EXPECT_TRUE(readPinTable({"[LPC21xx]", "[INCLUDE]", "LPC214x.h"}).empty());
    EXPECT_TRUE(readPinTable({}).empty());
}

} // namespace
} // namespace regforge::profile
