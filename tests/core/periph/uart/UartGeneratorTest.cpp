#include "UartFixture.h"
#include "model/ListControls.h"

#include <algorithm>

namespace regforge::periph::uart {
namespace {

using testing::joined;
using testing::kOpen;
using testing::kRule;
using testing::Lines;

class UartGeneratorTest : public UartFixture {
protected:
    Lines generated() { return generatedBy<UartPage>(); }
};

TEST_F(UartGeneratorTest, Uart0With115200Baud8N1AndItsReceiveInterruptOnAnArm7) {
    load("arm7"); // 60 MHz over the common 1/4: 15 MHz
    box(enableBoxName(0)).click();
    unitBox(0, "RBRIE_CheckBox").click();

    // 15 MHz / 16 / 115200 = 8.138: 6 x (1 + 5/14) comes closest.
    EXPECT_EQ(
        joined(generated()),
        joined({kOpen, "                                     UART0", kRule,
                "   Baud rate: 115200 (actual 115131.6, error -0.06 %)  (calculated with peripheral clock: "
                "15MHz)",
                "   Dividers: DLM:DLL = 6, DIVADDVAL = 5, MULVAL = 14",
                "   Frame: 8 data bits, no parity, 1 stop bit (8N1)",
                "   FIFOs enabled, receive trigger after 1 character",
                "   Interrupt on: receive data, source UART0 on the Interrupts page", "*/", "",
                "PCONP |= (1 << 3);     /* power up UART0 */", "U0LCR = 0x83;     /* binary: 10000011 */",
                "U0DLL = 0x06;     /* decimal 6 */", "U0DLM = 0x00;     /* decimal 0 */",
                "U0FDR = 0xE5;     /* binary: 11100101 */", "U0LCR = 0x03;     /* binary: 00000011 */",
                "U0FCR = 0x07;     /* binary: 00000111 */", "U0IER = 0x01;     /* binary: 00000001 */", ""}));

    // 15 MHz / 16 / 9375 = 100 exactly: the divisor alone, the fractional divider at its reset value.
    unitEdit(0, "Baud_edit").setText("9375");
    const Lines exact = generated();
    EXPECT_EQ(joined({exact[4], exact[12], exact[14]}),
              joined({"   Dividers: DLM:DLL = 100, fractional divider off",
                      "U0DLL = 0x64;     /* decimal 100 */", "U0FDR = 0x10;     /* binary: 00010000 */"}));
}

TEST_F(UartGeneratorTest, AUartWithoutFractionalDividerWritesNoFdrAndItsFrameBits) {
    load("arm7");
    box(enableBoxName(1)).click();
    unitEdit(1, "Baud_edit").setText("9600");
    unitCombo(1, "WLS_ComboBox").setItemIndex(2);
    unitCombo(1, "Parity_ComboBox").setItemIndex(2);
    unitCombo(1, "Stop_ComboBox").setItemIndex(1);
    unitCombo(1, "RxTrigger_ComboBox").setItemIndex(2);

    EXPECT_EQ(
        joined(generated()),
        joined(
            {kOpen, "                                     UART1", kRule,
             "   Baud rate: 9600 (actual 9566.3, error -0.35 %)  (calculated with peripheral clock: 15MHz)",
             "   Dividers: DLM:DLL = 98", "   Frame: 7 data bits, even parity, 2 stop bits (7E2)",
             "   FIFOs enabled, receive trigger after 8 characters", "   No interrupt", "*/", "",
             "PCONP |= (1 << 4);     /* power up UART1 */", "U1LCR = 0x9E;     /* binary: 10011110 */",
             "U1DLL = 0x62;     /* decimal 98 */", "U1DLM = 0x00;     /* decimal 0 */",
             "U1LCR = 0x1E;     /* binary: 00011110 */", "U1FCR = 0x87;     /* binary: 10000111 */",
             "U1IER = 0x00;     /* binary: 00000000 */", ""}));
}

TEST_F(UartGeneratorTest, Uart2OnACortexM3WithItsOwnClockDivider) {
    load("cortex_m3");
    box(enableBoxName(2)).click();
    combo("UART2pclk_div").setItemIndex(2); // 60 MHz / 2
    unitEdit(2, "Baud_edit").setText("57600");
    unitBox(2, "THREIE_CheckBox").click();
    unitBox(2, "RLSIE_CheckBox").click();
    unitCombo(2, "RxTrigger_ComboBox").setItemIndex(3);

    // 19 x (1 + 5/7) and 24 x (1 + 5/14) give the same rate: the smaller MULVAL is kept.
    EXPECT_EQ(
        joined(generated()),
        joined(
            {kOpen, "                                     UART2", kRule,
             "   Baud rate: 57600 (actual 57565.8, error -0.06 %)  (calculated with peripheral clock: 30MHz)",
             "   Dividers: DLM:DLL = 19, DIVADDVAL = 5, MULVAL = 7",
             "   Frame: 8 data bits, no parity, 1 stop bit (8N1)",
             "   FIFOs enabled, receive trigger after 14 characters",
             "   Interrupt on: transmit holding register empty, line status, source UART2 on the Interrupts "
             "page",
             "*/", "", "LPC_SC->PCONP |= (1 << 24);     /* power up UART2 */",
             "LPC_UART2->LCR = 0x83;     /* binary: 10000011 */",
             "LPC_UART2->DLL = 0x13;     /* decimal 19 */", "LPC_UART2->DLM = 0x00;     /* decimal 0 */",
             "LPC_UART2->FDR = 0x75;     /* binary: 01110101 */",
             "LPC_UART2->LCR = 0x03;     /* binary: 00000011 */",
             "LPC_UART2->FCR = 0xC7;     /* binary: 11000111 */",
             "LPC_UART2->IER = 0x06;     /* binary: 00000110 */", ""}));
}

TEST_F(UartGeneratorTest, TheLpc13xxUartIsClockedAndDividedBeforeItsRegisters) {
    load("lpc13xx");
    box(enableBoxName(0)).click();
    combo("UART0pclk_div").setItemIndex(4); // 60 MHz / 5
    const Lines lines = generated();
    const Lines expected = {
        "   Baud rate: 115200 (actual 115384.6, error +0.16 %)  (calculated with peripheral clock: 12MHz)",
        "   Dividers: DLM:DLL = 4, DIVADDVAL = 5, MULVAL = 8"};
    ASSERT_GT(lines.size(), 16u);
    EXPECT_EQ(lines[1], "                                     UART");
    EXPECT_EQ(joined({lines[3], lines[4]}), joined(expected));
    const auto end = std::find(lines.begin(), lines.end(), "*/") + 2;
    EXPECT_EQ(
        joined({end, lines.end()}),
        joined({"LPC_SYSCON->SYSAHBCLKCTRL |= (1 << 12);     /* clock the UART */",
                "LPC_SYSCON->UARTCLKDIV = 5;     /* UART clock: main clock / 5 */",
                "LPC_UART->LCR = 0x83;     /* binary: 10000011 */",
                "LPC_UART->DLL = 0x04;     /* decimal 4 */", "LPC_UART->DLM = 0x00;     /* decimal 0 */",
                "LPC_UART->FDR = 0x85;     /* binary: 10000101 */",
                "LPC_UART->LCR = 0x03;     /* binary: 00000011 */",
                "LPC_UART->FCR = 0x07;     /* binary: 00000111 */",
                "LPC_UART->IER = 0x00;     /* binary: 00000000 */", ""}));
}

TEST_F(UartGeneratorTest, TheResultHasNoUartBlockUntilAUnitIsOn) {
    load("arm7");
    EXPECT_TRUE(generated().empty());
    folder.form().Result_btnClick();
    const Lines& text = get<model::Memo>("Memo1").lines();
    EXPECT_EQ(std::count_if(text.begin(), text.end(),
                            [](const std::string& line) { return line.find("U0") != std::string::npos; }),
              0);
}

} // namespace
} // namespace regforge::periph::uart
