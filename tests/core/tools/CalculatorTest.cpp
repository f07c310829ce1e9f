#include "tools/Calculator.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace regforge::tools {
namespace {

// Unit items of the two combos.
enum FrequencyUnit : int { kMilliHz, kHz, kKHz, kMHz };
enum PeriodUnit : int { kNs, kUs, kMs, kS };

class CalculatorTest : public ::testing::Test {
protected:
    void wantFrequency(const std::string& value, int unit) {
        calc.frequencyCombo().setItemIndex(unit);
        calc.frequencyEdit().setText(value);
    }
    void wantPeriod(const std::string& value, int unit) {
        calc.periodCombo().setItemIndex(unit);
        calc.periodEdit().setText(value);
    }
    void registerOf(const std::string& mhz, std::int32_t offset, std::int64_t max) {
        calc.pclockEdit().setText(mhz);
        calc.setRegisterOffset(offset);
        calc.setRegisterMax(max);
    }
    std::string result() const { return calc.resultText(); }
    std::string figure() { return calc.result2Label().caption(); }

    Calculator calc;
};

TEST_F(CalculatorTest, StartsAtZeroInHertzAndNanoseconds) {
    EXPECT_EQ(calc.frequencyEdit().text(), "0");
    EXPECT_EQ(calc.frequencyCombo().itemIndex(), kHz);
    EXPECT_EQ(calc.periodEdit().text(), "0");
    EXPECT_EQ(calc.periodCombo().itemIndex(), kNs);
}

TEST_F(CalculatorTest, FrequencyAndPeriodFollowEachOtherWithTheirUnits) {
    struct Case {
        bool frequency; // typed into the frequency box, else into the period box
        const char* typed;
        int unit;
        const char* other;
        int otherUnit;
    };
    const Case cases[] = {
        {true, "3", kKHz, "333.33", kUs},
        {true, "500", kMilliHz, "2", kS},
        {true, "50", kHz, "20", kMs},
        // As in the page figures, a range boundary belongs to the faster unit.
        {true, "1", kKHz, "1000", kUs},
        {true, "2", kMHz, "500", kNs},
        {false, "100", kNs, "10", kMHz},
        {false, "3", kUs, "333.3333", kKHz},
        {false, "4", kS, "250", kMilliHz},
        {false, "4", kMs, "250", kHz},
        // A period below one unit is still a period.
        {false, "0.5", kUs, "2", kMHz},
    };
    for (const Case& c : cases) {
        if (c.frequency)
            wantFrequency(c.typed, c.unit);
        else
            wantPeriod(c.typed, c.unit);
        auto& other = c.frequency ? calc.periodEdit() : calc.frequencyEdit();
        auto& otherUnit = c.frequency ? calc.periodCombo() : calc.frequencyCombo();
        EXPECT_EQ(other.text(), c.other) << c.typed << " unit " << c.unit;
        EXPECT_EQ(otherUnit.itemIndex(), c.otherUnit) << c.typed << " unit " << c.unit;
    }
}

TEST_F(CalculatorTest, TheBoxBeingTypedIsNeverWrittenBack) {
    wantFrequency("1.50", kKHz);
    EXPECT_EQ(calc.frequencyEdit().text(), "1.50");
    EXPECT_EQ(calc.periodEdit().text(), "666.67");
    // A first "0" empties the period box but stays where it was typed.
    calc.frequencyEdit().setText("0");
    EXPECT_EQ(calc.frequencyEdit().text(), "0");
    EXPECT_EQ(calc.periodEdit().text(), "");
    calc.periodEdit().setText("0");
    EXPECT_EQ(calc.periodEdit().text(), "0");
    EXPECT_EQ(calc.frequencyEdit().text(), "");
}

// In the timer and in the converter presentation (which adds the converter clock) alike.
TEST_F(CalculatorTest, InputsThatAreNoPositiveNumberClearTheResults) {
    registerOf("15", 1, 4294967295);
    for (const int clocksPerSample : {1, 10}) {
        calc.setClocksPerSample(clocksPerSample);
        for (const std::string text : {"abc", "0", "", "-5"}) {
            wantFrequency("1", kKHz);
            ASSERT_EQ(result(), "14999");
            ASSERT_NE(figure(), "");
            calc.frequencyEdit().setText(text);
            EXPECT_EQ(calc.periodEdit().text(), "") << text;
            EXPECT_EQ(result() + figure() + calc.adcFrequencyLabel().caption(), "") << text;
        }
        // A period so long that its frequency rounds to zero has no divisor either.
        wantFrequency("1", kKHz);
        wantPeriod("1000000000", kS);
        EXPECT_EQ(calc.frequencyEdit().text(), "0");
        EXPECT_EQ(result() + figure() + calc.adcFrequencyLabel().caption(), "");
    }
}

TEST_F(CalculatorTest, RegisterValueIsTheRoundedDivisorWithinTheRegister) {
    registerOf("15", 1, 4294967295);
    wantFrequency("1", kKHz);
    EXPECT_EQ(result(), "14999");
    EXPECT_EQ(figure(), "1 KHz ( 1000 us )");
    wantFrequency("500", kMilliHz);
    EXPECT_EQ(result(), "29999999");
    EXPECT_EQ(figure(), "500 mHz ( 2 sec )");
    // Wanted above the input clock: the smallest divisor.
    wantFrequency("30", kMHz);
    EXPECT_EQ(result(), "0");
    EXPECT_EQ(figure(), "15 MHz ( 66.67 ns )");
    calc.setRegisterOffset(0);
    calc.FormShow();
    EXPECT_EQ(result(), "1");

    // Halves go to the even divisor: 3.5 -> 4, 2.5 -> 2.
    registerOf("7", 0, 255);
    wantFrequency("2", kMHz);
    EXPECT_EQ(result(), "4");
    calc.pclockEdit().setText("5");
    calc.FormShow();
    EXPECT_EQ(result(), "2");

    registerOf("15", 1, 65535);
    wantFrequency("100", kHz);
    EXPECT_EQ(result(), "65535");
    EXPECT_EQ(figure(), "228.8818 Hz ( 4.37 ms )");
}

TEST_F(CalculatorTest, DivisorsTooLargeForIntegerTextAreLimitedLikeAnyOther) {
    registerOf("15", 1, 4294967295);
    wantFrequency("0.000000001", kMilliHz);
    EXPECT_EQ(result(), "4294967295");
    calc.setRegisterMax(std::numeric_limits<std::int64_t>::max());
    calc.FormShow();
    EXPECT_EQ(result(), "9223372036854775807");
    // Within the limit a large value stays plain integer text.
    wantFrequency("0.000001", kMilliHz);
    EXPECT_EQ(result().size(), 17u) << result();
    EXPECT_EQ(result().find_first_not_of("0123456789"), std::string::npos) << result();
}

TEST_F(CalculatorTest, EvenDividerStaysEvenAndAtLeastEight) {
    registerOf("15", 0, 254);
    wantFrequency("1", kMHz);
    EXPECT_EQ(result(), "14");
    EXPECT_EQ(figure(), "1.0714 MHz ( 933.33 ns )");
    wantFrequency("5", kMHz);
    EXPECT_EQ(result(), "8");
    wantFrequency("937.5", kKHz);
    EXPECT_EQ(result(), "16");
    wantFrequency("1", kKHz);
    EXPECT_EQ(result(), "254");
}

TEST_F(CalculatorTest, ClockAboveTheLimitIsRed) {
    registerOf("15", 1, 255);
    calc.setClockLimit(1000000);
    wantFrequency("2", kMHz);
    EXPECT_EQ(calc.result2Label().fontColour(), Calculator::kAboveLimitColour);
    wantFrequency("500", kKHz);
    EXPECT_EQ(calc.result2Label().fontColour(), Calculator::kWithinLimitColour);

    // The converter presentation: sample rate, and the converter clock against the limit.
    registerOf("1.5", 1, 255);
    calc.setClocksPerSample(10);
    calc.setClockLimit(4500000);
    calc.FormShow();
    EXPECT_EQ(result(), "2");
    EXPECT_EQ(figure(), "500 Ksamples/sec");
    EXPECT_EQ(calc.adcFrequencyLabel().caption(), "5 MHz");
    EXPECT_EQ(calc.adcFrequencyLabel().fontColour(), Calculator::kAboveLimitColour);
    calc.setClockLimit(5000000);
    calc.FormShow();
    EXPECT_EQ(calc.adcFrequencyLabel().fontColour(), Calculator::kWithinLimitColour);
}

TEST_F(CalculatorTest, AClockExactlyAtTheLimitIsWithinIt) {
    registerOf("15", 1, 255);
    calc.setClockLimit(1000000);
    wantFrequency("1", kMHz); // 15 MHz / (14 + 1)
    EXPECT_EQ(result(), "14");
    EXPECT_EQ(calc.result2Label().fontColour(), Calculator::kWithinLimitColour);
    wantFrequency("1.0714", kMHz); // 15 MHz / (13 + 1), just above
    EXPECT_EQ(result(), "13");
    EXPECT_EQ(calc.result2Label().fontColour(), Calculator::kAboveLimitColour);
}

// A wanted clock the register cannot give shows the nearest one it can, in red and with the
// note; one within its range stays in the colour of a reachable result.
TEST_F(CalculatorTest, TargetsOutOfReachShowTheNearestValueInRed) {
    struct Case {
        const char* mhz;
        std::int32_t offset;
        std::int64_t max;
        bool pairSearch;
        const char* wanted;
        int unit;
        const char* result;
        const char* figure;
        bool outOfReach;
    };
    const Case cases[] = {
        // A 16-bit prescaler at 60 MHz divides by 65536 at most.
        {"60", 1, 65535, false, "1", kHz, "65535", "915.5273 Hz ( 1.09 ms )", true},
        {"60", 1, 65535, false, "915.5273", kHz, "65535", "915.5273 Hz ( 1.09 ms )", false},
        // Nothing divides 18 MHz up to 20 MHz; the input clock itself is within reach.
        {"18", 1, 4294967295, false, "20", kMHz, "0", "18 MHz ( 55.56 ns )", true},
        {"18", 1, 4294967295, false, "18", kMHz, "0", "18 MHz ( 55.56 ns )", false},
        {"15", 0, 100000, false, "16", kMHz, "1", "15 MHz ( 66.67 ns )", true},
        {"15", 1, 4294967295, false, "1", kKHz, "14999", "1 KHz ( 1000 us )", false},
        // The even dividers stop at 8 and 254.
        {"15", 0, 254, false, "5", kMHz, "8", "1.875 MHz ( 533.33 ns )", true},
        {"15", 0, 254, false, "1.875", kMHz, "8", "1.875 MHz ( 533.33 ns )", false},
        {"15", 0, 254, false, "1", kMHz, "14", "1.0714 MHz ( 933.33 ns )", false},
        {"15", 0, 254, false, "10", kKHz, "254", "59.0551 KHz ( 16.93 us )", true},
        // The pair search reaches 15 MHz / 8 down to 15 MHz / (254 x 256).
        {"15", 0, 254, true, "1", kMHz, "SPSR: 8      SCR: 1", "937.5 KHz ( 1.07 us )", false},
        {"15", 0, 254, true, "2", kMHz, "SPSR: 8      SCR: 0", "1.875 MHz ( 533.33 ns )", true},
        {"15", 0, 254, true, "200", kHz, "SPSR: 254      SCR: 255", "230.6841 Hz ( 4.33 ms )", true},
    };
    for (const Case& c : cases) {
        registerOf(c.mhz, c.offset, c.max);
        calc.setSspSearch(c.pairSearch);
        wantFrequency(c.wanted, c.unit);
        const std::string where =
            std::string(c.mhz) + " MHz, " + c.wanted + " unit " + std::to_string(c.unit);
        EXPECT_EQ(result(), c.result) << where;
        EXPECT_EQ(figure(), c.figure) << where;
        EXPECT_EQ(calc.outOfReach(), c.outOfReach) << where;
        EXPECT_EQ(calc.rangeLabel().visible(), c.outOfReach) << where;
        EXPECT_EQ(calc.result2Label().fontColour() == Calculator::kAboveLimitColour, c.outOfReach) << where;
    }
    EXPECT_EQ(calc.rangeLabel().caption(), "Out of reach: the nearest value is shown");

    // The converter presentation marks its rate the same way.
    registerOf("0.5", 1, 255);
    calc.setSspSearch(false);
    calc.setClocksPerSample(10);
    calc.setClockLimit(4500000);
    wantFrequency("1", kHz);
    EXPECT_EQ(result(), "255");
    EXPECT_EQ(figure(), "1.9531 Ksamples/sec");
    EXPECT_TRUE(calc.outOfReach());
    EXPECT_EQ(calc.result2Label().fontColour(), Calculator::kAboveLimitColour);
    wantFrequency("0", kHz);
    EXPECT_FALSE(calc.outOfReach() || calc.rangeLabel().visible());
}

TEST_F(CalculatorTest, OnlyAResultCanBeAppliedAndEnterApplies) {
    registerOf("15", 1, 4294967295);
    auto& apply = calc.store().get<model::Control>("Apply");
    int closes = 0;
    calc.closeRequested.connect([&] { ++closes; });
    EXPECT_FALSE(apply.enabled()) << "the start value 0 gives no result";
    for (const std::string emptied : {"", "0", "abc"}) {
        wantFrequency("1", kKHz);
        ASSERT_TRUE(apply.enabled());
        calc.frequencyEdit().setText(emptied);
        EXPECT_FALSE(calc.hasResult()) << emptied;
        EXPECT_FALSE(apply.enabled()) << emptied;
        apply.click();
        calc.pressEnter();
        EXPECT_EQ(closes, 0) << emptied;
        EXPECT_EQ(calc.modalResult(), Calculator::ModalResult::None) << emptied;
    }
    calc.periodEdit().setText("1");
    EXPECT_TRUE(apply.enabled()) << "a period gives a result as well";
    calc.pressEnter();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(calc.modalResult(), Calculator::ModalResult::Ok);
    EXPECT_EQ(result(), "14");
}

TEST_F(CalculatorTest, PairSearchKeepsTheFirstClosestPair) {
    calc.pclockEdit().setText("15");
    calc.setSspSearch(true);
    wantFrequency("1", kMHz);
    // 8 x (1 + 1) and 16 x (0 + 1) both give 937.5 kHz; the first in loop order wins.
    EXPECT_EQ(result(), "SPSR: 8      SCR: 1");
    EXPECT_EQ(figure(), "937.5 KHz ( 1.07 us )");
    wantFrequency("1.5", kMHz);
    EXPECT_EQ(result(), "SPSR: 10      SCR: 0");
    // Nothing within 1 MHz of the wanted clock: the pair found before stays.
    wantFrequency("100", kMHz);
    EXPECT_EQ(result(), "SPSR: 10      SCR: 0");
    EXPECT_EQ(calc.foundCpsdvsr(), 10);
    EXPECT_EQ(calc.foundScr(), 0);
}

TEST_F(CalculatorTest, ShowingRecomputesFromTheStartValueAndButtonsClose) {
    registerOf("15", 0, 100000);
    wantFrequency("1", kKHz);
    ASSERT_EQ(result(), "15000");
    calc.setRegisterOffset(1);
    calc.FormShow();
    EXPECT_EQ(result(), "14999");

    int closes = 0;
    calc.closeRequested.connect([&] { ++closes; });
    calc.store().get<model::Control>("Abort").click();
    EXPECT_EQ(calc.modalResult(), Calculator::ModalResult::Cancel);
    calc.store().get<model::Control>("Apply").click();
    EXPECT_EQ(calc.modalResult(), Calculator::ModalResult::Ok);
    EXPECT_EQ(closes, 2);
}

} // namespace
} // namespace regforge::tools
