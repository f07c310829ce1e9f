// The clock block of each family, whole, as the page writes it for a usual set-up; and every
// family's block uses only names its device headers have and compiles against them.

#include "core/periph/clock/ClockFixture.h"
#include "support/HeaderNames.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
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

const std::map<std::string, std::string> kExpected = {
    {"LPC2148", R"block(/******************************************************************************
                                 Clock set-up
*******************************************************************************
   Input clock: 12 MHz (main oscillator)
   PLL: M = 5, P = 2, CCO 240 MHz, output 60 MHz
   CPU clock: 60 MHz (PLL output)
   USB clock: 48 MHz (PLL1: M = 4, P = 2, CCO 192 MHz)
   VPBDIV: peripheral clock / 4
   Flash: 3 CPU clocks per access
*/
volatile unsigned long clockWait;
if (PLL0STAT & (1 << 9))     /* PLL connected: disconnect it first */
{
   PLL0CON = 0x01;     /* enabled, disconnected */
   PLL0FEED = 0xAA;
   PLL0FEED = 0x55;
}
PLL0CON = 0x00;     /* PLL disabled */
PLL0FEED = 0xAA;
PLL0FEED = 0x55;
PLL0CFG = 0x24;     /* M = 5, P = 2 */
PLL0FEED = 0xAA;
PLL0FEED = 0x55;
PLL0CON = 0x01;     /* PLL enabled */
PLL0FEED = 0xAA;
PLL0FEED = 0x55;
VPBDIV = 0x00;     /* peripheral clock divider */
for (clockWait = 0; clockWait < 100000 && !(PLL0STAT & (1 << 10)); clockWait++)     /* PLOCK */
   ;
MAMCR = 0x00;     /* MAM off while its timing changes */
MAMTIM = 0x03;     /* 3 CPU clocks per flash access */
MAMCR = 0x02;     /* MAM fully enabled */
if (PLL0STAT & (1 << 10))     /* connect the PLL once locked */
{
   PLL0CON = 0x03;     /* PLL enabled and connected */
   PLL0FEED = 0xAA;
   PLL0FEED = 0x55;
}
PLL1CFG = 0x23;     /* PLL1: M = 4, P = 2, USB 48 MHz */
PLL1FEED = 0xAA;
PLL1FEED = 0x55;
PLL1CON = 0x01;     /* enable PLL1 */
PLL1FEED = 0xAA;
PLL1FEED = 0x55;
for (clockWait = 0; clockWait < 100000 && !(PLL1STAT & (1 << 10)); clockWait++)     /* PLOCK1 */
   ;
if (PLL1STAT & (1 << 10))     /* connect PLL1 once locked */
{
   PLL1CON = 0x03;     /* enable and connect PLL1 */
   PLL1FEED = 0xAA;
   PLL1FEED = 0x55;
}

)block"},
    {"LPC2378", R"block(/******************************************************************************
                                 Clock set-up
*******************************************************************************
   Input clock: 12 MHz (main oscillator)
   PLL: M = 12, N = 1, CCO 288 MHz
   CPU clock: 72 MHz (CCO / 4)
   USB clock: 48 MHz (CCO / 6)
   PCLKSEL0: TIMER0 / 4, TIMER1 / 4, UART0 / 4, ADC0 / 4
   PCLKSEL1: TIMER2 / 4
   Flash: 4 CPU clocks per access
*/
volatile unsigned long clockWait;
SCS |= (1 << 5);     /* OSCEN: start the main oscillator */
for (clockWait = 0; clockWait < 100000 && !(SCS & (1 << 6)); clockWait++)     /* OSCSTAT: wait until it runs */
   ;
if (SCS & (1 << 6))     /* the PLL takes it only once it runs */
{
   if (PLLSTAT & (1 << 25))     /* PLL connected: disconnect it first */
   {
      PLLCON = 0x00000001;     /* enabled, disconnected */
      PLLFEED = 0xAA;
      PLLFEED = 0x55;
   }
   PLLCON = 0x00000000;     /* PLL disabled */
   PLLFEED = 0xAA;
   PLLFEED = 0x55;
   CLKSRCSEL = 0x00000001;     /* PLL input: main oscillator */
   PLLCFG = 0x0000000B;     /* M = 12, N = 1 */
   PLLFEED = 0xAA;
   PLLFEED = 0x55;
   PLLCON = 0x00000001;     /* PLL enabled */
   PLLFEED = 0xAA;
   PLLFEED = 0x55;
   CCLKCFG = 0x00000003;     /* CPU clock = CCO / 4 */
   USBCLKCFG = 0x00000005;     /* USB clock = CCO / 6 */
   PCLKSEL0 = 0x00000000;     /* peripheral clock dividers */
   PCLKSEL1 = 0x00000000;     /* peripheral clock dividers */
   for (clockWait = 0; clockWait < 100000 && !(PLLSTAT & (1 << 26)); clockWait++)     /* PLOCK */
      ;
   MAMCR = 0x00000000;     /* MAM off while its timing changes */
   MAMTIM = 0x00000004;     /* 4 CPU clocks per flash access */
   MAMCR = 0x00000002;     /* MAM fully enabled */
   if (PLLSTAT & (1 << 26))     /* connect PLL once locked */
   {
      PLLCON = 0x00000003;     /* PLL enabled and connected */
      PLLFEED = 0xAA;
      PLLFEED = 0x55;
   }
}

)block"},
    {"LPC2468", R"block(/******************************************************************************
                                 Clock set-up
*******************************************************************************
   Input clock: 4 MHz (internal RC oscillator)
   PLL: M = 36, N = 1, CCO 288 MHz
   CPU clock: 72 MHz (CCO / 4)
   PCLKSEL0: TIMER0 / 4, PWM0 / 4
   Flash: 4 CPU clocks per access
*/
volatile unsigned long clockWait;
if (PLLSTAT & (1 << 25))     /* PLL connected: disconnect it first */
{
   PLLCON = 0x00000001;     /* enabled, disconnected */
   PLLFEED = 0xAA;
   PLLFEED = 0x55;
}
PLLCON = 0x00000000;     /* PLL disabled */
PLLFEED = 0xAA;
PLLFEED = 0x55;
CLKSRCSEL = 0x00000000;     /* PLL input: internal RC oscillator */
PLLCFG = 0x00000023;     /* M = 36, N = 1 */
PLLFEED = 0xAA;
PLLFEED = 0x55;
PLLCON = 0x00000001;     /* PLL enabled */
PLLFEED = 0xAA;
PLLFEED = 0x55;
CCLKCFG = 0x00000003;     /* CPU clock = CCO / 4 */
PCLKSEL0 = 0x00000000;     /* peripheral clock dividers */
for (clockWait = 0; clockWait < 100000 && !(PLLSTAT & (1 << 26)); clockWait++)     /* PLOCK */
   ;
MAMCR = 0x00000000;     /* MAM off while its timing changes */
MAMTIM = 0x00000004;     /* 4 CPU clocks per flash access */
MAMCR = 0x00000002;     /* MAM fully enabled */
if (PLLSTAT & (1 << 26))     /* connect PLL once locked */
{
   PLLCON = 0x00000003;     /* PLL enabled and connected */
   PLLFEED = 0xAA;
   PLLFEED = 0x55;
}

)block"},
    {"LPC1768", R"block(/******************************************************************************
                                 Clock set-up
*******************************************************************************
   Input clock: 12 MHz (main oscillator)
   PLL0: M = 25, N = 2, CCO 300 MHz
   CPU clock: 100 MHz (CCO / 3)
   USB clock: 48 MHz (PLL1: M = 4, P = 2, CCO 192 MHz)
   LPC_SC->PCLKSEL0: TIMER0 / 4, TIMER1 / 4, UART0 / 4, ADC0 / 4
   LPC_SC->PCLKSEL1: TIMER2 / 4
   Flash: 5 CPU clocks per access
*/
volatile unsigned long clockWait;
LPC_SC->SCS |= (1 << 5);     /* OSCEN: start the main oscillator */
for (clockWait = 0; clockWait < 100000 && !(LPC_SC->SCS & (1 << 6)); clockWait++)     /* OSCSTAT: wait until it runs */
   ;
if (LPC_SC->SCS & (1 << 6))     /* the PLL takes it only once it runs */
{
   if (LPC_SC->PLL0STAT & (1 << 25))     /* PLL0 connected: disconnect it first */
   {
      __disable_irq();
      LPC_SC->PLL0CON = 0x00000001;     /* enabled, disconnected */
      LPC_SC->PLL0FEED = 0xAA;
      LPC_SC->PLL0FEED = 0x55;
      __enable_irq();
   }
   __disable_irq();
   LPC_SC->PLL0CON = 0x00000000;     /* PLL0 disabled */
   LPC_SC->PLL0FEED = 0xAA;
   LPC_SC->PLL0FEED = 0x55;
   __enable_irq();
   LPC_SC->CLKSRCSEL = 0x00000001;     /* PLL input: main oscillator */
   __disable_irq();
   LPC_SC->PLL0CFG = 0x00010018;     /* M = 25, N = 2 */
   LPC_SC->PLL0FEED = 0xAA;
   LPC_SC->PLL0FEED = 0x55;
   __enable_irq();
   __disable_irq();
   LPC_SC->PLL0CON = 0x00000001;     /* PLL0 enabled */
   LPC_SC->PLL0FEED = 0xAA;
   LPC_SC->PLL0FEED = 0x55;
   __enable_irq();
   LPC_SC->CCLKCFG = 0x00000002;     /* CPU clock = CCO / 3 */
   LPC_SC->PCLKSEL0 = 0x00000000;     /* before PLL0 is connected */
   LPC_SC->PCLKSEL1 = 0x00000000;     /* before PLL0 is connected */
   for (clockWait = 0; clockWait < 100000 && !(LPC_SC->PLL0STAT & (1 << 26)); clockWait++)     /* PLOCK */
      ;
   LPC_SC->FLASHCFG = (LPC_SC->FLASHCFG & 0x00000FFF) | 0x00004000;     /* FLASHTIM = 4: 5 CPU clocks per access */
   if (LPC_SC->PLL0STAT & (1 << 26))     /* connect PLL0 once locked */
   {
      __disable_irq();
      LPC_SC->PLL0CON = 0x00000003;     /* PLL0 enabled and connected */
      LPC_SC->PLL0FEED = 0xAA;
      LPC_SC->PLL0FEED = 0x55;
      __enable_irq();
   }
   __disable_irq();
   LPC_SC->PLL1CFG = 0x00000023;     /* PLL1: M = 4, P = 2, USB 48 MHz */
   LPC_SC->PLL1FEED = 0xAA;
   LPC_SC->PLL1FEED = 0x55;
   __enable_irq();
   __disable_irq();
   LPC_SC->PLL1CON = 0x00000001;     /* enable PLL1 */
   LPC_SC->PLL1FEED = 0xAA;
   LPC_SC->PLL1FEED = 0x55;
   __enable_irq();
   for (clockWait = 0; clockWait < 100000 && !(LPC_SC->PLL1STAT & (1 << 10)); clockWait++)     /* PLOCK1 */
      ;
   if (LPC_SC->PLL1STAT & (1 << 10))     /* connect PLL1 once locked */
   {
      __disable_irq();
      LPC_SC->PLL1CON = 0x00000003;     /* enable and connect PLL1 */
      LPC_SC->PLL1FEED = 0xAA;
      LPC_SC->PLL1FEED = 0x55;
      __enable_irq();
   }
}

)block"},
    {"LPC1788", R"block(/******************************************************************************
                                 Clock set-up
*******************************************************************************
   Input clock: 12 MHz (main oscillator)
   PLL0: M = 10, P = 1, CCO 240 MHz, output 120 MHz
   CPU clock: 120 MHz (PLL output)
   USB clock: 48 MHz (PLL1: M = 4, P = 2, CCO 192 MHz)
   EMC clock: 60 MHz (CPU clock / 2)
   LPC_SC->PCLKSEL: peripheral clock / 4
   Flash: 6 CPU clocks per access
*/
volatile unsigned long clockWait;
LPC_SC->CCLKSEL = 0x00000001;     /* CPU from the system clock while PLL0 changes */
LPC_SC->SCS |= (1 << 5);     /* OSCEN: start the main oscillator */
for (clockWait = 0; clockWait < 100000 && !(LPC_SC->SCS & (1 << 6)); clockWait++)     /* OSCSTAT: wait until it runs */
   ;
if (LPC_SC->SCS & (1 << 6))     /* the PLL takes it only once it runs */
{
   __disable_irq();
   LPC_SC->PLL0CON = 0x00000000;     /* PLL0 disabled */
   LPC_SC->PLL0FEED = 0xAA;
   LPC_SC->PLL0FEED = 0x55;
   __enable_irq();
   LPC_SC->CLKSRCSEL = 0x00000001;     /* system clock and PLL input: main oscillator */
   __disable_irq();
   LPC_SC->PLL0CFG = 0x00000009;     /* M = 10, P = 1 */
   LPC_SC->PLL0CON = 0x00000001;
   LPC_SC->PLL0FEED = 0xAA;
   LPC_SC->PLL0FEED = 0x55;
   __enable_irq();
   LPC_SC->PCLKSEL = 0x00000004;     /* peripheral clock divider */
   LPC_SC->EMCCLKSEL = 0x00000001;     /* EMC clock = CPU clock / 2: at most 80 MHz */
   for (clockWait = 0; clockWait < 100000 && !(LPC_SC->PLL0STAT & (1 << 10)); clockWait++)     /* PLOCK */
      ;
   LPC_SC->FLASHCFG = (LPC_SC->FLASHCFG & 0x00000FFF) | 0x00005000;     /* FLASHTIM = 5: 6 CPU clocks per access */
   if (LPC_SC->PLL0STAT & (1 << 10))     /* run from PLL0 once locked */
   {
      LPC_SC->CCLKSEL = 0x00000101;     /* CPU clock = PLL0 / 1 */
   }
   __disable_irq();
   LPC_SC->PLL1CFG = 0x00000023;     /* PLL1: M = 4, P = 2, USB 48 MHz */
   LPC_SC->PLL1CON = 0x00000001;
   LPC_SC->PLL1FEED = 0xAA;
   LPC_SC->PLL1FEED = 0x55;
   __enable_irq();
   for (clockWait = 0; clockWait < 100000 && !(LPC_SC->PLL1STAT & (1 << 10)); clockWait++)     /* PLOCK1 */
      ;
   if (LPC_SC->PLL1STAT & (1 << 10))     /* USB from PLL1 once locked */
   {
      LPC_SC->USBCLKSEL = 0x00000201;     /* USB clock = PLL1 / 1 */
   }
}

)block"},
    {"LPC1343", R"block(/******************************************************************************
                                 Clock set-up
*******************************************************************************
   Input clock: 12 MHz (main oscillator)
   PLL: M = 6, P = 2, CCO 288 MHz, output 72 MHz
   CPU clock: 72 MHz (PLL output)
   USB clock: 48 MHz (USB PLL: M = 4, P = 2, CCO 192 MHz)
   LPC_SYSCON->SSP0CLKDIV: SSP0 / 1
   Flash: 3 CPU clocks per access
*/
volatile unsigned long clockWait;
LPC_SYSCON->MAINCLKSEL = 0x00000000;     /* run from the IRC while the PLL changes */
LPC_SYSCON->MAINCLKUEN = 0x00000000;
LPC_SYSCON->MAINCLKUEN = 0x00000001;     /* take the new selection */
LPC_SYSCON->SYSOSCCTRL = 0x00000000;     /* 1 .. 20 MHz crystal */
LPC_SYSCON->PDRUNCFG &= ~(1 << 5);     /* power up the system oscillator */
for (clockWait = 0; clockWait < 10000; clockWait++)     /* let it settle: it has no ready flag */
   ;
LPC_SYSCON->SYSPLLCLKSEL = 0x00000001;     /* PLL input: main oscillator */
LPC_SYSCON->SYSPLLCLKUEN = 0x00000000;
LPC_SYSCON->SYSPLLCLKUEN = 0x00000001;     /* take the new selection */
LPC_SYSCON->PDRUNCFG |= (1 << 7);     /* system PLL off while it is set */
LPC_SYSCON->SYSPLLCTRL = 0x00000025;     /* M = 6, P = 2 */
LPC_SYSCON->PDRUNCFG &= ~(1 << 7);     /* power up the system PLL */
for (clockWait = 0; clockWait < 100000 && !(LPC_SYSCON->SYSPLLSTAT & 1); clockWait++)     /* LOCK */
   ;
*(volatile unsigned long *)0x4003C010 = (*(volatile unsigned long *)0x4003C010 & ~0x3UL) | 0x2UL;     /* flash configuration: FLASHTIM = 2, 3 CPU clocks per access */
LPC_SYSCON->SYSAHBCLKDIV = 0x00000001;     /* CPU clock = PLL output / 1 */
if (LPC_SYSCON->SYSPLLSTAT & 1)     /* run from the PLL once locked */
{
   LPC_SYSCON->MAINCLKSEL = 0x00000003;     /* main clock: system PLL output */
   LPC_SYSCON->MAINCLKUEN = 0x00000000;
   LPC_SYSCON->MAINCLKUEN = 0x00000001;     /* take the new selection */
}
LPC_SYSCON->SSP0CLKDIV = 0x00000001;     /* unit clock divider */
LPC_SYSCON->PDRUNCFG &= ~((1 << 8) | (1 << 10));     /* power up the USB PLL and the USB pads */
LPC_SYSCON->USBPLLCLKSEL = 0x00000001;     /* USB PLL input: system oscillator */
LPC_SYSCON->USBPLLCLKUEN = 0x00000000;
LPC_SYSCON->USBPLLCLKUEN = 0x00000001;     /* take the new selection */
LPC_SYSCON->USBPLLCTRL = 0x00000023;     /* M = 4, P = 2, USB 48 MHz */
for (clockWait = 0; clockWait < 100000 && !(LPC_SYSCON->USBPLLSTAT & 1); clockWait++)     /* LOCK */
   ;
if (LPC_SYSCON->USBPLLSTAT & 1)     /* USB from the USB PLL once locked */
{
   LPC_SYSCON->USBCLKSEL = 0x00000000;     /* USB clock: USB PLL output */
   LPC_SYSCON->USBCLKUEN = 0x00000000;
   LPC_SYSCON->USBCLKUEN = 0x00000001;     /* take the new selection */
   LPC_SYSCON->USBCLKDIV = 0x00000001;
}
LPC_SYSCON->SYSAHBCLKCTRL |= (1 << 14);     /* clock the USB registers */

)block"},
};

TEST_F(ClockCodeGeneratorTest, EachFamilysBlockFollowsItsManualsSequence) {
    for (const FamilyCase& c : kFamilies) {
        SCOPED_TRACE(c.part);
        EXPECT_EQ(joined(blockFor(c)), kExpected.at(c.part));
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
