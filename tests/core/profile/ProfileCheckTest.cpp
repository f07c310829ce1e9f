#include "app/ProfileRules.h"
#include "io/TextFile.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace regforge::profile {
namespace {

namespace fs = std::filesystem;

// The problems as "line: message" texts, for readable failures.
std::vector<std::string> problemsOf(const Lines& lines) {
    std::vector<std::string> texts;
    for (const auto& p : app::checkProfile(lines))
        texts.push_back(std::to_string(p.line) + ": " + p.message);
    return texts;
}

// True when exactly the given lines have problems, each with its keyword in the message.
void expectProblems(const Lines& profile, const std::vector<std::pair<int, std::string>>& expected) {
    const auto problems = app::checkProfile(profile);
    std::string all;
    for (const auto& text : problemsOf(profile))
        all += text + "\n";
    ASSERT_EQ(problems.size(), expected.size()) << all;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(problems[i].line, expected[i].first) << all;
        EXPECT_NE(problems[i].message.find(expected[i].second), std::string::npos) << all;
    }
}

const Lines kGoodPins = {"[PINSEL]",
                         "PINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,",
                         "PINSEL2,0,3@P1.16:PORT1.16;TRACEPKT0,Reserved,Reserved,",
                         "PINSEL2,0,3@P1.17:PORT1.17;TRACEPKT1,Reserved,Reserved,",
                         "[IODIR]",
                         "IO0DIR,0",
                         "IO1DIR,16,I",
                         "IO1DIR,17,I/O",
                         "[INCLUDE]",
                         "LPC214x.h"};

TEST(ProfileCheck, ShippedProfilesAreClean) {
    const fs::path data = fs::path(REGFORGE_FIXTURES) / ".." / ".." / "data" / "include";
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(data)) {
        if (entry.path().extension() != ".ini")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(problemsOf(io::readLines(entry.path()).lines), std::vector<std::string>{});
        ++checked;
    }
    EXPECT_GE(checked, 24) << "the whole profile library";
    expectProblems(kGoodPins, {});
}

TEST(ProfileCheck, SectionHeadersAreKnownAndAppearOnce) {
    expectProblems({"[INCLUDE]", "x.h", "[TIMERS]", "[iocon] ", "[Include]", "y.h", "[ISR]", "3,UART0",
                    "[UART0_ISR]", "[DEFINE]", "[Define]"},
                   {{3, "unknown section '[TIMERS]'"},
                    {4, "unknown section '[iocon] '"},
                    {5, "duplicate section [Include]: only the one at line 1"},
                    {11, "duplicate section"}});
    expectProblems({"[DEFINE]"}, {{0, "no [INCLUDE]"}});
    expectProblems({"[INCLUDE]", "[TIMER0_INIT]", "[DEFINE]"},
                   {{1, "[INCLUDE] needs 1 line"}, {2, "[TIMER0_INIT] needs 1 line"}});
    expectProblems({"[INCLUDE]", "x.h", "[REGISTER_NAMES]", "AD0CR=ADCR",
                    "AD0INTEN=", "LPC_ADC->CR=LPC_ADC->ADCR", "", "=ADCR", "AD0CR ADCR", "CR=AD CR",
                    "#define CR ADCR", "LPC_ADC->=ADCR", "AD0CR=LPC_ADC->", "AD0CR=1ADCR", "A->B->C=D"},
                   {{8, "'=ADCR' is no WRITTEN=HEADER pair"},
                    {9, "'AD0CR ADCR' is no WRITTEN=HEADER pair"},
                    {10, "'CR=AD CR' is no"},
                    {11, "'#define CR ADCR' is no"},
                    {12, "'LPC_ADC->=ADCR' is no"},
                    {13, "'AD0CR=LPC_ADC->' is no"},
                    {14, "'AD0CR=1ADCR' is no"},
                    {15, "'A->B->C=D' is no"}});
}

TEST(ProfileCheck, PinLines) {
    expectProblems({"[PINSEL]",
                    "PINSEL0,1,0 P0.0:PORT0.0;TXD0,PWM1,Reserved,",   // no '@'
                    "PINSEL0,3,2@P0.1 PORT0.1;RXD0,PWM3,EINT0,",      // no ':'
                    "PINSEL0,5,4@P0.2:PORT0.2;SCL0,CAP0.0,Reserved",  // last name dropped
                    "PINSEL0,7,6@P0.3:PORT0.3,SDA0,MAT0.0,EINT1,",    // no reset function
                    "PINSEL0,9,8@P0.4:GPIO0.4;SCK0,CAP0.1,AD0.6,",    // no GPIO function
                    "PINSEL0,11@P0.5:PORT0.5;MISO0,MAT0.1,AD0.7,",    // field malformed
                    "PINSEL0,33,32@P0.6:PORT0.6;MOSI0,CAP0.2,AD1.0,", // bits outside 0..31
                    "PINSEL0,15,14@P0.6:PORT0.6;SSEL0;PWM2,EINT2,",   // same name, two resets
                    "PINSEL1,1,0@P0.16:PORT0.16;EINT0,MAT0.2,",       // three functions
                    "[IODIR]",
                    "IO0DIR,0",
                    "IO0DIR,1",
                    "IO0DIR",
                    "IO0DIR,3,X",
                    "IO0DIR,32",
                    "IO0DIR,5",
                    "IO0DIR,6",
                    "[PINMODE]",
                    "0",
                    "4",
                    "[INCLUDE]",
                    "x.h"},
                   {{2, "without '@'"},
                    {3, "without ':'"},
                    {4, "'Reserved' at the end of the line is dropped"},
                    {4, "has 3 functions, 4 expected"},
                    {5, "P0.3 has no reset function"},
                    {6, "P0.4 has no GPIO function"},
                    {7, "'PINSEL0,11' is not 'register,high bit,low bit'"},
                    {8, "bit 33 of PINSEL0 is outside 0..31"},
                    {8, "bit 32 of PINSEL0 is outside 0..31"},
                    {9, "P0.6 is already defined at line 8"},
                    {9, "more than one reset function"},
                    {10, "has 3 functions, 4 expected"},
                    {14, "direction line 'IO0DIR' is not 'register,bit'"},
                    {15, "direction line 'IO0DIR,3,X'"},
                    {16, "direction bit 32 of IO0DIR is outside 0..31"},
                    {21, "pull-mode code '4'"}});
    // Port-bit labels name bits 0..31; other labels are free text.
    Lines labels = kGoodPins;
    labels[1] = "PINSEL0,1,0@P0.40:PORT0.40;TXD0,Q0.40,Reserved,";
    expectProblems(labels, {{2, "pin P0.40: 'P0.40' names bit 40, outside 0..31"},
                            {2, "pin P0.40: 'PORT0.40' names bit 40, outside 0..31"}});

    // A line repeating a fault lists twenty problems and counts the rest.
    Lines repeated = kGoodPins;
    repeated[1] = "PINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,";
    for (int k = 0; k < 30; ++k)
        repeated[1] += "P0.99,";
    const auto texts = problemsOf(repeated);
    ASSERT_EQ(texts.size(), 21u);
    EXPECT_EQ(texts[0], "2: pin P0.0 has 34 functions, 4 expected");
    EXPECT_EQ(texts[19], "2: pin P0.0: 'P0.99' names bit 99, outside 0..31");
    EXPECT_EQ(texts[20], "2: 11 more problems on this line are not listed");
}

TEST(ProfileCheck, EveryPinNeedsADirectionLine) {
    Lines profile = kGoodPins;
    profile.erase(profile.begin() + 7);
    expectProblems(profile, {{4, "pin P1.17 has no [IODIR] line (pin 3, [IODIR] has 2)"}});
    expectProblems(
        {"[PINSEL]", "PINSEL0,1,0@x,P0.0:PORT0.0;PWM1,Reserved,", "[IODIR]", "IO0DIR,0", "[INCLUDE]", "x.h"},
        {{2, "function 'x' comes before the pin name"}, {2, "has 3 functions, 4 expected"}});
}

TEST(ProfileCheck, SharedPinSelectFields) {
    Lines profile = kGoodPins;
    // P1.17 switches with P1.16 but offers its trace function one place later.
    profile[3] = "PINSEL2,0,3@P1.17:PORT1.17;Reserved,TRACEPKT1,Reserved,";
    EXPECT_EQ(problemsOf(profile),
              std::vector<std::string>{
                  "4: pin P1.17 shares its field with pin P1.16 (line 3) but not its functions: "
                  "the two switch together, so their reset and \"Reserved\" functions must sit "
                  "at the same positions"});
    // The same functions, but the reset function one place later.
    profile[3] = "PINSEL2,0,3@P1.17:PORT1.17,TRACEPKT1;Reserved,Reserved,";
    expectProblems(profile, {{4, "shares its field with pin P1.16 (line 3) but not its functions"}});
    // A field overlapping another one in one bit.
    profile[3] = "PINSEL0,2,1@P1.17:PORT1.17;TRACEPKT1,Reserved,Reserved,";
    expectProblems(profile,
                   {{4, "writes bit 1 of PINSEL0 that pin P0.0 (line 2) writes as part of another field"}});
}

TEST(ProfileCheck, IoconPins) {
    const Lines profile = {"[PINSEL]",
                           "LPC_IOCON->P0_0@P0.0:PORT0.0;RD1,TXD3,SDA1,TXD0,Reserved,Reserved,Reserved,",
                           "LPC_IOCON->P0_0@P0.1:PORT0.1;TD1,RXD3,SCL1,RXD0,Reserved,Reserved,Reserved,",
                           "LPC_IOCON->P0_2@P0.2:PORT0.2;TXD0,TXD3,Reserved,Reserved,Reserved,Reserved,",
                           "[IODIR]",
                           "LPC_GPIO0->DIR,0",
                           "LPC_GPIO0->DIR,1",
                           "LPC_GPIO0->DIR,2",
                           "[IOCON]",
                           "HYS,INV,",
                           "HYS,INV",
                           "[EXCLUSIVEFUNCTIONS]",
                           "TXD3",
                           "[CORTEXM3]",
                           "[INCLUDE]",
                           "x.h"};
    expectProblems(profile, {{3, "writes IOCON register LPC_IOCON->P0_0 of pin P0.0"},
                             {4, "has 7 functions, 8 expected"},
                             {4, "pin P0.2 has no [IOCON] line: it takes option line 3, [IOCON] has 2"},
                             {11, "'INV' at the end of the line is dropped"},
                             {13, "exclusive function line 'TXD3'"}});
}

TEST(ProfileCheck, EverySerialPortAndOptionSectionIsChecked) {
    expectProblems(
        {"[SSP1]", "DMA", "1", "x", "[SSP2]", "DMA", "2", "y", "[IOCON]", "HYS,", "", "[INCLUDE]", "x.h"},
        {{4, "[SSP1] line 'x' is never read (2 lines at most)"},
         {8, "[SSP2] line 'y' is never read (2 lines at most)"},
         {11, "empty line in [IOCON]"}});
}

TEST(ProfileCheck, InterruptAndPeripheralSections) {
    expectProblems({"[INCLUDE]", "x.h", "[ISRVECTORS]", "", "32"}, {{4, "empty line in [ISRVECTORS]"}});
    expectProblems({"[ISR]",
                    "4,TIMER0",
                    "x,UART0",
                    "EINT0",
                    "[ISR_DESC]",
                    "Timer 0",
                    "[ISRVECTORS]",
                    "0",
                    "[EDGELEVELISR]",
                    "[IO_ISR]",
                    "LPC_GPIO0->IS",
                    "LPC_GPIO0->IBE",
                    "LPC_GPIO0->IEV",
                    "LPC_GPIO0->IE",
                    "P0.1",
                    "P1.2",
                    "P0.40",
                    "Px.1",
                    "LPC_GPIO1->IS",
                    "[ADC0]",
                    "START@none",
                    "CHOFF@x",
                    "SPEED@3",
                    "",
                    "[ADC1]",
                    "BIT@10",
                    "NOAT",
                    "[TIMER0]",
                    "32bit",
                    "NOPWM",
                    "5",
                    "[TIMER1]",
                    "32bit",
                    "[PWM0]",
                    "two",
                    "[SPI]",
                    "8BIT",
                    "16BIT",
                    "[SSP0]",
                    "DMA",
                    "0",
                    "x",
                    "[INCLUDE]",
                    "x.h"},
                   {{3, "interrupt channel 'x' is not a number"},
                    {4, "interrupt source 'EINT0' is not 'channel,name'"},
                    {5, "[ISR_DESC] has 1 lines for 3 interrupt sources"},
                    {8, "vector slot count '0'"},
                    {16, "P1.2 needs 8 register lines"},
                    {17, "bit 40 is outside 0..31"},
                    {18, "'Px.1' is not 'P<port>.<pin>'"},
                    {19, "after the pin lines is never read"},
                    {22, "value 'x' of CHOFF"},
                    {23, "unknown A/D key 'SPEED'"},
                    {24, "empty line in [ADC0]"},
                    {26, "BIT is read in [ADC0] only"},
                    {27, "'NOAT' is not 'KEY@value'"},
                    {31, "capture input count '5'"},
                    {32, "[TIMER1] needs 3 lines"},
                    {35, "capture input count 'two'"},
                    {38, "'16BIT' is neither 8BIT nor a one-character port number"},
                    {42, "'x' is never read"}});
}

} // namespace
} // namespace regforge::profile
