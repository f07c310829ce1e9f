#include "core/periph/io/IoPageFixture.h"
#include "model/CheckControls.h"
#include "model/ListControls.h"
#include "support/GeneratedText.h"

namespace regforge::periph::io {
namespace {

using model::MouseButton;
using PinCodeGenerator = IoPageFixture;

constexpr const char* kZero = " = 0x00000000;     /* binary: 00000000_00000000_00000000_00000000 */\n";

// An LPC175x-like device: Cortex-M3 register syntax, four pull modes, open drain, no fast GPIO box.
// Nodes: P0.0 = 0, P0.1 = 5, P0.27 = 10, P2.0 = 15.
const std::string kCortexPinselProfile =
    regforge::testing::fixtureText("input/PinCodeGeneratorTest/cortexPinselProfile.ini");

TEST_F(PinCodeGenerator, PinselWithoutPullModesSharesOneRegisterLine) {
    ASSERT_TRUE(load("[PINSEL]\n"
                     "PINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,\n"
                     "PINSEL0,3,2@P0.1:PORT0.1;RXD0,PWM3,EINT0,\n"
                     "[IODIR]\nIO0DIR,0\nIO0DIR,1\n[INCLUDE]\nx.h\n"));
    clickState(2); // TXD0: function 1
    clickState(8); // PWM3: function 2
    EXPECT_EQ(pinCode(), regforge::testing::expectedText(
                             "PinCodeGeneratorTest/PinselWithoutPullModesSharesOneRegisterLine"));
}

TEST_F(PinCodeGenerator, PinselWithPullModesAndFastGpioRegisterList) {
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    clickState(3); // P0.0: PWM1, function 2
    clickPull(5);  // P0.1: pull-down
    clickState(9); // P0.1: EINT0, function 3
    const std::string pins = "/*\n"
                             "    P0.0:  PWM1, pull-up resistor enabled\n"
                             "    P0.1:  EINT0, pull-down resistor enabled\n"
                             "    P0.2:  PORT0.2 Input, pull-up resistor enabled\n"
                             "    P0.27:  PORT0.27 Output, pull-up resistor enabled\n"
                             "    P1.16:  PORT1.16 Input\n"
                             "*/\n"
                             "\n"
                             "    SCS |= 2;  /* pins of port 1 as GPIO */\n"
                             "\n";
    const std::string registers =
        " = 0x0000000E;     /* binary: 00000000_00000000_00000000_00001110 */\n"
        "    PINMODE0 = 0x0000000C;     /* binary: 00000000_00000000_00000000_00001100 */\n"
        "    ";
    const std::string tail = "IO0DIR = 0x08000000;     /* binary: 00001000_00000000_00000000_00000000 */\n"
                             "    PINSEL1" +
                             std::string(kZero) + "    PINMODE1" + kZero + "    PINSEL2" + kZero +
                             "    PINMODE2" + kZero + "    FIO1DIR" + kZero + "\n";
    // IO1DIR follows the first [FIO] line, so it is always written in its fast form.
    EXPECT_EQ(pinCode(), pins + "    PINSEL0" + registers + tail);

    control<model::CheckBox>("FIO_checkbox").setChecked(true);
    // Fast GPIO sets both port bits of a 21xx and keeps the rest of SCS.
    EXPECT_EQ(pinCode(), pins + "    SCS |= 3;  /* enable fast GPIO on ports 0 and 1 */\n" + "    PINSEL0" +
                             registers + "F" + tail);
}

TEST_F(PinCodeGenerator, FastGpioLineWithoutFioSectionUsesItsOwnComment) {
    ASSERT_TRUE(load("[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,\n[IODIR]\nIO0DIR,0\n"
                     "[INCLUDE]\nx.h\n"));
    clickState(0);
    control<model::CheckBox>("FIO_checkbox").setChecked(true);
    EXPECT_EQ(pinCode(), regforge::testing::expectedText(
                             "PinCodeGeneratorTest/FastGpioLineWithoutFioSectionUsesItsOwnComment"));
}

TEST_F(PinCodeGenerator, CortexM3PinselWritesOpenDrainPerPort) {
    ASSERT_TRUE(load(kCortexPinselProfile));
    auto& openDrain = control<model::CheckListBox>("OpenDrainCheckListBox");
    ASSERT_EQ(openDrain.items(), (std::vector<std::string>{"P0.0", "P0.1", "P2.0"}));
    openDrain.setChecked(1, true); // P0.1
    openDrain.setChecked(2, true); // P2.0
    clickState(0);                 // P0.0 output
    clickState(18);                // P2.0: TXD1, function 2
    clickPull(5);                  // P0.1: code 2, neither
    const std::string pins = "/*\n"
                             "    P0.0:  PORT0.0 Output, pull-up resistor enabled\n"
                             "    P0.1:  PORT0.1 Input, neither pull-up nor pull-down, open drain\n"
                             "    P0.27:  PORT0.27 Input\n"
                             "    P2.0:  TXD1, pull-up resistor enabled, open drain\n"
                             "*/\n"
                             "\n"
                             "    LPC_SC->PCONP |= (1 << 15);\n";
    const std::string registers =
        "\n"
        "    LPC_PINCON->PINSEL0" +
        std::string(kZero) +
        "    LPC_PINCON->PINMODE0 = 0x00000008;     /* binary: 00000000_00000000_00000000_00001000 */\n"
        "    LPC_GPIO0->FIODIR = 0x00000001;     /* binary: 00000000_00000000_00000000_00000001 */\n"
        "    LPC_PINCON->PINMODE_OD0 = 0x00000002;     /* binary: 00000000_00000000_00000000_00000010 */\n"
        "    LPC_PINCON->PINSEL1" +
        kZero + "    LPC_PINCON->PINMODE1" + kZero +
        "    LPC_PINCON->PINSEL4 = 0x00000002;     /* binary: 00000000_00000000_00000000_00000010 */\n"
        "    LPC_PINCON->PINMODE4" +
        kZero + "    LPC_GPIO2->FIODIR" + kZero +
        "    LPC_PINCON->PINMODE_OD2 = 0x00000001;     /* binary: 00000000_00000000_00000000_00000001 */\n"
        "\n";
    EXPECT_EQ(pinCode(), pins + registers);

    // A page moving data by GPDMA (an SSP port's DMA enable) brings in the GPDMA start-up lines.
    EXPECT_EQ(pinCode(true), pins + "    LPC_SC->PCONP |= (1 << 29);\n" + registers);
}

TEST_F(PinCodeGenerator, HysteresisSwitchedOffIsSaidAndItsBitCleared) {
    ASSERT_TRUE(load(fixture("iocon.ini")));
    clickState(0); // P0.0 output
    clickState(9); // HYS off
    const std::string code = pinCode();
    EXPECT_NE(code.find("    P0.0:  PORT0.0 Output, pull-up resistor enabled, Hysteresis disabled, "),
              std::string::npos)
        << code;
    EXPECT_NE(code.find("    LPC_IOCON->P0_0 = 0x00000010;"), std::string::npos) << code;
}

TEST_F(PinCodeGenerator, IoconRegistersComeBeforeDirectionRegisters) {
    ASSERT_TRUE(load(fixture("iocon.ini")));
    clickState(0);                     // P0.0 output
    clickState(12);                    // P0.0 OD on; HYS stays on, INV and SLEW off
    clickState(15);                    // P0.26: AD0.3, function 1
    clickState(23);                    // INV on
    clickState(25);                    // FILTER off
    clickState(27);                    // DACEN on
    clickPull(13);                     // code 1: pull-down
    clickState(35);                    // P5.2: SCL0, function 6
    clickState(37);                    // HS on
    clickPull(28, MouseButton::Right); // code 0: neither
    EXPECT_EQ(pinCode(), regforge::testing::expectedText(
                             "PinCodeGeneratorTest/IoconRegistersComeBeforeDirectionRegisters"));
}

// Eleven options, the most a pin has: the last one is read as well, and no function node is
// taken for an option.
TEST_F(PinCodeGenerator, IoconOptionsAreReadFromTheFirstOptionNodeOn) {
    ASSERT_TRUE(load("[PINSEL]\nLPC_IOCON->P0_0@P0.0:PORT0.0;A,B,C,D,E,OD,HYS,\n"
                     "[IOCON]\nHYS,INV,ADMODE,FILTER,HS,SLEW,HIDRIVE,OD,INV,HYS,DACEN,\n"
                     "[IODIR]\nLPC_GPIO0->DIR,0\n[CORTEXM3]\n[INCLUDE]\nx.h\n"));
    clickState(19); // DACEN on
    EXPECT_EQ(pinCode(), regforge::testing::expectedText(
                             "PinCodeGeneratorTest/IoconOptionsAreReadFromTheFirstOptionNodeOn"));
}

TEST_F(PinCodeGenerator, IoconPinsSharingARegisterNameWriteItOnce) {
    ASSERT_TRUE(load("[PINSEL]\n"
                     "LPC_IOCON->P0_0@P0.0:PORT0.0;A,B,C,D,E,F,G,\n"
                     "LPC_IOCON->P0_0@P0.0b:PORT0.0b;A,B,C,D,E,F,G,\n"
                     "[IOCON]\n-\n-\n[IODIR]\nLPC_GPIO0->DIR,0\nLPC_GPIO0->DIR,0\n[INCLUDE]\nx.h\n"));
    clickState(12); // B on the second pin
    EXPECT_EQ(pinCode(), regforge::testing::expectedText(
                             "PinCodeGeneratorTest/IoconPinsSharingARegisterNameWriteItOnce"));
}

} // namespace
} // namespace regforge::periph::io
