#include "IrqFixture.h"

namespace regforge::periph::irq {
namespace {

const std::string kTop = "/" + std::string(78, '*');
const std::string kBottom = std::string(78, '*') + "/";
const std::string kIndent(18, ' ');

const Lines kFiqAdvice = {
    "  APPLY THE FOLLOWING SO THAT FIQ WORKS PROPERLY (for KEIL START-UP file) and then delete this line and "
    "the "
    "following block",
    "/" + std::string(106, '*'),
    "  COMMENT THIS LINE IN THE STARTUP FILE USING A SEMICOLON \";\" ---> \";FIQ_Handler     B       "
    "FIQ_Handler\" ",
    "",
    "  ADD THE FOLLOWING LINE IN THE STARTUP CODE DIRECTLY ABOVE THE \"Reset_Addr      DCD     "
    "Reset_Handler\"",
    "",
    "       IMPORT FIQ_Handler    ;<---- add this line and use space in front of it",
    std::string(106, '*') + "/",
    "",
};

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class VectorGeneratorTest : public IrqFixture {
protected:
    ResultLists generated() {
        ResultLists lists;
        page().generate(lists);
        return lists;
    }
    void setList(Lines entries) { slots().setItems(std::move(entries)); }
};

TEST_F(VectorGeneratorTest, VicFastInterruptOnlyWritesTheAdviceBlockAndTheDefaultHandler) {
    load("vic_default");
    setList(listWith(17, {{0, "TIMER0"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines,
              (Lines{kTop, kIndent + "TIMER0 FAST interrupt service function", kBottom,
                     "__irq void FIQ_Handler (void) {", "/* write code here */", "", "",
                     "VICVectAddr = 0;     /* Acknowledge Interrupt */", "}", ""} +
               kFiqAdvice +
               Lines{"/* Default Interrupt Function: may be called when ISR is disabled */",
                     "__irq void DefISR (void) {", "}", ""}));
    EXPECT_EQ(lists.mainLines,
              (Lines{kTop, std::string(27, ' ') + "Vector interrupt initialization", kBottom, "",
                     "   VICIntSelect = (1UL<<4);           /* Set TIMER0 as FAST Interrupt */",
                     "   VICIntEnable = (1UL<<4);           /* Enable TIMER0 FAST Interrupt */", "",
                     "   VICDefVectAddr = (unsigned long) DefISR;           /* un-assigned VIC interrupts */",
                     ""}));
}

TEST_F(VectorGeneratorTest, VicSlotsKeepTheirNumbersAcrossGapsAndCopyHandlerCode) {
    load("vic_default");
    setList(listWith(17, {{1, "UART0"}, {3, "TIMER1"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines,
              (Lines{kTop,
                     kIndent + "UART0 interrupt service function",
                     kBottom,
                     "__irq void UART0_IRQHandler(void) {",
                     "/* write code here */",
                     "",
                     "",
                     "VICVectAddr = 0;     /* Acknowledge Interrupt */",
                     "}",
                     "",
                     kTop,
                     kIndent + "TIMER1 interrupt service function",
                     kBottom,
                     "__irq void TIMER1_IRQHandler(void) {",
                     "/* write code here */",
                     "",
                     "",
                     "T1IR = 1;     /* clear the match flag */",
                     "VICVectAddr = 0;     /* Acknowledge Interrupt */",
                     "}",
                     "",
                     "/* Default Interrupt Function: may be called when ISR is disabled */",
                     "__irq void DefISR (void) {",
                     "}",
                     ""}));
    EXPECT_EQ(
        lists.mainLines,
        (Lines{kTop, std::string(27, ' ') + "Vector interrupt initialization", kBottom, "",
               "   VICVectAddr0 = (unsigned long) UART0_IRQHandler;           /* set interrupt vector 0 */",
               "   VICVectCntl0 = ( 0x20 | 6 );           /* enable slot & use it for UART0 Interrupt */",
               "   VICIntEnable |= (1UL<<6);           /* Enable UART0 Interrupt */", "",
               "   VICVectAddr2 = (unsigned long) TIMER1_IRQHandler;           /* set interrupt vector 2 */",
               "   VICVectCntl2 = ( 0x20 | 5 );           /* enable slot & use it for TIMER1 Interrupt */",
               "   VICIntEnable |= (1UL<<5);           /* Enable TIMER1 Interrupt */", "",
               "   VICDefVectAddr = (unsigned long) DefISR;           /* un-assigned VIC interrupts */",
               ""}));
}

TEST_F(VectorGeneratorTest, VicWithPrioritiesDescriptionsAndOwnDefaultHandler) {
    load("vic_fixed"); // [NOVICVECTCNT], [NOVICDEFVECTADDR], [ISR_DESC]
    setList(listWith(33, {{0, "UART0"}, {5, "TIMER0"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines,
              (Lines{kTop, kIndent + "UART0 FAST interrupt service function", kBottom,
                     "__irq void FIQ_Handler (void) {", "/* write code here */", "", "",
                     "VICVectAddr = 0;     /* Acknowledge Interrupt */", "}", ""} +
               kFiqAdvice +
               Lines{kTop, kIndent + "Timer 0 service function", kBottom,
                     "__irq void TIMER0_IRQHandler(void) {", "/* write code here */", "", "", "T0IR = 1;",
                     "VICVectAddr = 0;     /* Acknowledge Interrupt */", "}", ""}));
    EXPECT_EQ(
        lists.mainLines,
        (Lines{kTop, std::string(27, ' ') + "Vector interrupt initialization", kBottom, "",
               "   VICIntSelect = (1UL<<6);           /* Set UART 0 as FAST Interrupt */",
               "   VICIntEnable = (1UL<<6);           /* Enable UART 0 */", "",
               "   VICVectAddr4 = (unsigned long) TIMER0_IRQHandler;           /* set interrupt vector 4 */",
               "   VICVectPriority4 = 15 ;           /* default priority is 15 (lowest), can be set between "
               "0-15 */",
               "   VICIntEnable |= (1UL<<4);           /* Enable Timer 0 */", ""}));

    setList(listWith(33, {}));
    const auto none = generated();
    EXPECT_TRUE(none.functionLines.empty());
    EXPECT_TRUE(none.mainLines.empty()) << "no source chosen: nothing at all";
}

TEST_F(VectorGeneratorTest, VicSlotControlWithDescriptionsNamesTheDescription) {
    load("vic_described");
    setList(listWith(17, {{2, "UART0"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines[1], kIndent + "UART 0 service function");
    EXPECT_EQ(
        Lines(lists.mainLines.begin() + 4, lists.mainLines.end()),
        (Lines{"   VICVectAddr1 = (unsigned long) UART0_IRQHandler;           /* set interrupt vector 1 */",
               "   VICVectCntl1 = ( 0x20 | 6 );           /* enable slot & use it for UART 0 */",
               "   VICIntEnable |= (1UL<<6);           /* Enable UART 0 */", "",
               "   VICDefVectAddr = (unsigned long) DefISR;           /* un-assigned VIC interrupts */",
               ""}));
}

TEST_F(VectorGeneratorTest, NvicWritesInListOrderUpToTheFirstFreeEntry) {
    load("nvic");
    setList(listWith(36, {{0, "TIMER0"}, {1, "UART0_IRQn"}, {2, "NonMaskableInt"}, {4, "EINT1"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines, (Lines{kTop,
                                          kIndent + "TIMER0 interrupt service function",
                                          kBottom,
                                          "void TIMER0_IRQHandler(void) {",
                                          "/* write code here */",
                                          "",
                                          "",
                                          "LPC_TIM0->IR = 1;",
                                          "}",
                                          "",
                                          kTop,
                                          kIndent + "UART0_IRQn interrupt service function",
                                          kBottom,
                                          "void UART0_IRQn_IRQHandler(void) {",
                                          "/* write code here */",
                                          "",
                                          "",
                                          "}",
                                          "",
                                          kTop,
                                          kIndent + "NonMaskableInt interrupt service function",
                                          kBottom,
                                          "void NonMaskableInt_IRQHandler(void) {",
                                          "/* write code here */",
                                          "",
                                          "",
                                          "}",
                                          ""}));
    const std::string priority = "          /* Default priority group 0, can be 0(highest) - 31(lowest) */";
    EXPECT_EQ(
        lists.mainLines,
        (Lines{kTop, std::string(25, ' ') + "Vectored Interrupt initialization", kBottom, "",
               "   NVIC_EnableIRQ(TIMER0_IRQn);           /* Enable TIMER0 interrupt */",
               "   NVIC_SetPriority(TIMER0_IRQn,0);" + priority, "",
               "   NVIC_EnableIRQ(UART0_IRQn);           /* Enable UART0_IRQn interrupt */",
               "   NVIC_SetPriority(UART0_IRQn,0);" + priority, "",
               "   NVIC_EnableIRQ(NonMaskableInt_IRQn);           /* Enable NonMaskableInt interrupt */",
               ""}));

    setList(listWith(36, {{1, "TIMER0"}}));
    const auto none = generated();
    EXPECT_TRUE(none.functionLines.empty());
    EXPECT_TRUE(none.mainLines.empty()) << "a free first entry ends the list at once";
}

TEST_F(VectorGeneratorTest, NvicHandlerNamesAndDescriptionsComeFromTheProfile) {
    load("nvic_handlers");
    setList(listWith(17, {{0, "TIMER1"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines,
              (Lines{kTop, kIndent + "Timer 1 match service function", kBottom, "void TIMER1_Handler(void) {",
                     "/* write code here */", "", "", "}", ""}));
    EXPECT_EQ(lists.mainLines[4], "   NVIC_EnableIRQ(TIMER1_IRQn);           /* Enable Timer 1 match */");
}

TEST_F(VectorGeneratorTest, SourcesSharingOneHandlerGetItWrittenOnce) {
    load("nvic_shared_handler");
    setList(listWith(58, {{0, "WAKEUP1"}, {1, "I2C"}, {2, "WAKEUP0"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines,
              (Lines{kTop, kIndent + "WAKEUP1 interrupt service function", kBottom,
                     "void WAKEUP_IRQHandler(void) {", "/* write code here */", "", "", "}", "", kTop,
                     kIndent + "I2C interrupt service function", kBottom, "void I2C_IRQHandler(void) {",
                     "/* write code here */", "", "", "}", ""}));
    EXPECT_EQ(std::count(lists.mainLines.begin(), lists.mainLines.end(),
                         "   NVIC_EnableIRQ(WAKEUP0_IRQn);           /* Enable WAKEUP0 interrupt */"),
              1)
        << "each source is still enabled";
}

} // namespace
} // namespace regforge::periph::irq
