#include "TimerFixture.h"
#include "periph/timer/TimerControls.h"
#include "support/GeneratedText.h"

#include <string>
#include <vector>

namespace regforge::periph::timer {
namespace {

using Strings = std::vector<std::string>;

class TimerPageTest : public TimerFixture {
protected:
    // Loads the fixture and switches Timer0 on, as the user does before editing it.
    void loadWithTimer0(const std::string& fixture) {
        load(fixture);
        box("T0_checkbox").click();
        ASSERT_TRUE(box("T0_checkbox").checked());
    }
    void expectBox(const std::string& name, bool checked, bool enabled) {
        EXPECT_EQ(box(name).checked(), checked) << name;
        EXPECT_EQ(box(name).enabled(), enabled) << name;
    }
    std::string figures(int timer) {
        const std::string t = std::to_string(timer);
        return caption("timer" + t + "clk") + " | " + caption("timer" + t + "tick");
    }
};

// The reset and the generator find a timer's register controls by tag (timer base + field offset)
// and take a box's register bit from its caption; both are fixed.
TEST_F(TimerPageTest, RegisterControlsCarryTheirTagsAndBitCaptions) {
    // Per timer: the MCR boxes for bits 0..11, the CCR boxes for bits 0..11, the first EM,
    // PWM-mode and the two TCR boxes (EM and PWM-mode boxes are numbered on from the first).
    struct TimerBoxes {
        std::vector<int> mcr, ccr;
        int firstEm, firstPwm, tcr0, tcr1;
    };
    const std::vector<TimerBoxes> timers = {
        {{4, 3, 2, 5, 6, 7, 11, 10, 8, 12, 13, 14},
         {19, 21, 22, 18, 17, 16, 26, 27, 15, 25, 24, 23},
         28,
         32,
         9,
         1},
        {{40, 39, 38, 41, 42, 43, 46, 45, 44, 47, 48, 49},
         {54, 55, 56, 53, 52, 51, 60, 61, 50, 59, 58, 57},
         62,
         66,
         36,
         37},
        {{109, 108, 107, 110, 111, 112, 115, 114, 113, 116, 117, 118},
         {123, 124, 125, 122, 121, 120, 129, 130, 119, 128, 127, 126},
         131,
         135,
         105,
         106},
        {{74, 73, 72, 75, 76, 77, 80, 79, 78, 81, 82, 83},
         {88, 89, 90, 87, 86, 85, 94, 95, 84, 93, 92, 91},
         96,
         100,
         70,
         71},
    };
    const auto checkBox = [](int n) { return "CheckBox" + std::to_string(n); };
    load("cortex_m3");
    for (int t = 0; t < 4; ++t) {
        const TimerBoxes& b = timers[static_cast<std::size_t>(t)];
        const int base = 300 + 100 * t;
        const std::string d = std::to_string(t);
        for (int bit = 0; bit < 12; ++bit) {
            const std::string mcr = checkBox(b.mcr[static_cast<std::size_t>(bit)]);
            EXPECT_EQ(get(mcr).tag(), base + bit / 3) << mcr;
            EXPECT_EQ(caption(mcr), std::to_string(bit)) << mcr;
            const std::string ccr = checkBox(b.ccr[static_cast<std::size_t>(bit)]);
            EXPECT_EQ(get(ccr).tag(), base + 10 + bit / 3) << ccr;
            EXPECT_EQ(caption(ccr), std::to_string(bit)) << ccr;
        }
        for (int k = 0; k < 4; ++k) {
            const std::string em = checkBox(b.firstEm + k), pwm = checkBox(b.firstPwm + k);
            EXPECT_EQ(get(em).tag(), base + 20 + k) << em;
            EXPECT_EQ(caption(em), std::to_string(k)) << em;
            EXPECT_EQ(get(pwm).tag(), base + 30 + k) << pwm;
            EXPECT_EQ(caption(pwm), std::to_string(k)) << pwm;
            EXPECT_EQ(get("EMC" + d + "_" + std::to_string(k) + "combobox").tag(), base + 40 + k);
            EXPECT_EQ(get("T" + d + "MR" + std::to_string(k)).tag(), base + 53 + k);
        }
        EXPECT_EQ(get("T" + d + "TC").tag(), base + 50);
        EXPECT_EQ(get("T" + d + "PR").tag(), base + 51);
        EXPECT_EQ(get(checkBox(b.tcr0)).tag(), base + 57);
        EXPECT_EQ(caption(checkBox(b.tcr0)), "T" + d + "TCR[0]");
        EXPECT_EQ(get(checkBox(b.tcr1)).tag(), base + 58);
        EXPECT_EQ(caption(checkBox(b.tcr1)), "T" + d + "TCR[1]");
        EXPECT_EQ(get("T" + d + "CTCR10").tag(), base + 59);
        EXPECT_EQ(get("T" + d + "CTCR32").tag(), base + 60);
        EXPECT_EQ(get("T" + d + "_checkbox").tag(), base + 99);
    }
}

TEST_F(TimerPageTest, SixteenBitSectionWithoutPwmAndTwoCaptures) {
    load("arm7_mixed_widths");
    EXPECT_EQ(caption("T0_checkbox"), "Timer0 [32 bit]");
    EXPECT_EQ(edit("T0MR3").shownText(), "0x00000000");
    EXPECT_EQ(caption("T2_checkbox"), "Timer2 [16 bit]");
    for (const char* name : {"T2TC", "T2PR", "T2MR0", "T2MR3"}) {
        EXPECT_EQ(edit(name).maxLength(), 4) << name;
        EXPECT_EQ(edit(name).shownText(), "0x0000") << name;
    }
    for (const char* name : {"CheckBox135", "CheckBox138", "Label116", "Label119"})
        EXPECT_FALSE(get(name).visible()) << name << ": NOPWM hides PWM mode";
    EXPECT_TRUE(get("CheckBox100").visible()) << "Timer3 keeps PWM mode";

    EXPECT_EQ(combo("T2CTCR32").items(), (Strings{"CAP 2.0", "CAP 2.1"}));
    EXPECT_EQ(combo("T2CTCR32").itemIndex(), 0);
    EXPECT_TRUE(get("T2CTCR10").visible());
    // Capture rows 0 and 1 (bits 0..5) stay, rows 2 and 3 (bits 6..11) go with their labels.
    for (const char* name : {"Label104", "Label102", "CheckBox123", "CheckBox120"})
        EXPECT_TRUE(get(name).visible()) << name;
    for (const char* name : {"Label103", "Label101", "CheckBox129", "CheckBox119", "CheckBox126"})
        EXPECT_FALSE(get(name).visible()) << name;
}

TEST_F(TimerPageTest, NoCaptureInputHidesModeCombosAndEveryCaptureRow) {
    load("arm7_mixed_widths"); // [TIMER3] has 0 capture inputs
    EXPECT_FALSE(get("T3CTCR10").visible());
    EXPECT_FALSE(get("T3CTCR32").visible());
    EXPECT_EQ(combo("T3CTCR32").count(), 0);
    for (const char* name : {"Label79", "Label77", "Label78", "Label76", "CheckBox88", "CheckBox91"})
        EXPECT_FALSE(get(name).visible()) << name;
}

TEST_F(TimerPageTest, ThirteenXxCaptionsNameTheCounterOnlyInItsOwnWidth) {
    load("lpc13xx");
    EXPECT_EQ(caption("T0_checkbox"), "Timer0 (CT32B0) [32 bit]");
    EXPECT_EQ(caption("T1_checkbox"), "Timer1 (CT32B1) [32 bit]");
    EXPECT_EQ(caption("T2_checkbox"), "Timer2 (CT16B0) [16 bit]");
    EXPECT_EQ(caption("T3_checkbox"), "Timer3 (CT16B1) [16 bit]");

    folder.addProfile("odd13xx",
                      "[LPC13xx]\r\n[TIMER0]\r\n16bit\r\nPWM\r\n1\r\n[TIMER2]\r\n32bit\r\nPWM\r\n1\r\n");
    loadProfile("odd13xx");
    EXPECT_EQ(caption("T0_checkbox"), "Timer0 [16 bit]");
    EXPECT_EQ(caption("T2_checkbox"), "Timer2 [32 bit]");
}

TEST_F(TimerPageTest, NextDeviceResetsTimersAndHidesThoseItLacks) {
    addFixture("arm7_single_divider");
    load("arm7_mixed_widths");
    box("T0_checkbox").click();
    box("T2_checkbox").click();
    edit("T2MR0").setText("ABCD");
    box("CheckBox109").click(); // MR0 interrupt
    combo("T2CTCR10").setItemIndex(1);
    // Timer0: capture, external match and both TCR bits.
    for (const char* name : {"CheckBox19", "CheckBox28", "CheckBox9", "CheckBox1"})
        box(name).click();

    load("arm7_single_divider"); // Timer0 and Timer1 only
    for (const char* name : {"CheckBox19", "CheckBox28", "CheckBox9", "CheckBox1"})
        EXPECT_FALSE(box(name).checked()) << name;
    EXPECT_FALSE(box("T0_checkbox").checked()) << "a timer the next device has starts off as well";
    EXPECT_FALSE(get("T0_groupBox").enabled());
    EXPECT_FALSE(get("T2_checkbox").visible());
    EXPECT_EQ(caption("T2_checkbox"), "Timer2");
    EXPECT_FALSE(get("T2_groupBox").visible());
    EXPECT_FALSE(box("T2_checkbox").checked());
    EXPECT_FALSE(get("T2_groupBox").enabled());
    EXPECT_TRUE(get("T2_panel").visible());
    EXPECT_EQ(edit("T2MR0").text(), "0000");
    EXPECT_FALSE(box("CheckBox109").checked());
    EXPECT_EQ(combo("T2CTCR10").itemIndex(), 0);
    EXPECT_FALSE(get("T2CTCR32").enabled());

    load("arm7_mixed_widths");
    EXPECT_TRUE(get("T2_checkbox").visible());
    EXPECT_TRUE(get("T2_groupBox").visible());
    EXPECT_EQ(caption("T2_checkbox"), "Timer2 [16 bit]");
}

TEST_F(TimerPageTest, MalformedTimerSectionFailsTheLoad) {
    folder.addProfile("words", "[TIMER0]\r\n32bit\r\nPWM\r\nfour\r\n[INCLUDE]\r\nx.h\r\n");
    folder.addProfile("short", "[INCLUDE]\r\nx.h\r\n[TIMER1]\r\n32bit\r\nPWM\r\n");
    folder.start();
    for (const char* device : {"words", "short"}) {
        folder.ui.messages.clear();
        EXPECT_FALSE(folder.load(device)) << device;
        ASSERT_EQ(folder.ui.messages.size(), 1u) << device;
        EXPECT_EQ(folder.ui.messages[0].caption, "Can't open profile");
    }
}

TEST_F(TimerPageTest, EnableBoxNeedsALoadedDeviceAndDrivesTheGroupBox) {
    addFixture("arm7_single_divider");
    folder.start();
    box("T0_checkbox").click();
    EXPECT_FALSE(box("T0_checkbox").checked()) << "no device loaded";
    EXPECT_FALSE(get("T0_groupBox").enabled());
    EXPECT_TRUE(get("T0_panel").visible());

    ASSERT_TRUE(folder.load("arm7_single_divider"));
    box("T0_checkbox").click();
    EXPECT_TRUE(get("T0_groupBox").enabled());
    EXPECT_FALSE(get("T0_panel").visible());
    box("T0_checkbox").click();
    EXPECT_FALSE(get("T0_groupBox").enabled());
    EXPECT_TRUE(get("T0_panel").visible());
}

TEST_F(TimerPageTest, CounterModeLocksTheCountInputsCaptureBoxes) {
    loadWithTimer0("arm7_single_divider");
    for (const char* name : {"CheckBox26", "CheckBox27", "CheckBox15", "CheckBox18"}) // "6", "7", "8", "3"
        box(name).click();

    combo("T0CTCR10").setItemIndex(1);
    EXPECT_TRUE(get("T0CTCR32").enabled());
    combo("T0CTCR32").setItemIndex(2); // CAP 0.2
    for (const char* name : {"CheckBox26", "CheckBox27", "CheckBox15"})
        expectBox(name, false, false);
    expectBox("CheckBox18", true, true);
    EXPECT_EQ(figures(0), "Counter clk: Capture input/(PR+1) | Counts every: Capture input/(PR+1)");

    combo("T0CTCR32").setItemIndex(1); // CAP 0.1 now counts; CAP 0.2 is free again
    expectBox("CheckBox18", false, false);
    expectBox("CheckBox26", false, true);

    combo("T0CTCR10").setItemIndex(0);
    EXPECT_FALSE(get("T0CTCR32").enabled());
    for (const char* name : {"CheckBox18", "CheckBox26", "CheckBox27", "CheckBox15"})
        expectBox(name, false, true);
    EXPECT_EQ(figures(0), "Counter clk: 15 MHz | Counts every: 66.67 ns");
}

TEST_F(TimerPageTest, CountInputsBeyondTheCaptureRowsLockNothing) {
    // A profile claiming more captures than a timer has: the extra inputs have no row,
    // and selecting one must not reach controls with neighbouring tags (EM boxes).
    folder.addProfile("many", "[TIMER0]\r\n32bit\r\nPWM\r\n11\r\n");
    loadProfile("many");
    box("T0_checkbox").click();
    EXPECT_EQ(combo("T0CTCR32").count(), 11);
    box("CheckBox28").click(); // EM0
    box("CheckBox23").click(); // CCR "11"
    combo("T0CTCR10").setItemIndex(3);
    for (int input : {5, 10}) {
        combo("T0CTCR32").setItemIndex(input);
        expectBox("CheckBox28", true, true);
        expectBox("CheckBox23", true, true);
    }
}

TEST_F(TimerPageTest, PwmModeTakesTheMatchFromResetStopAndExternalMatch) {
    loadWithTimer0("arm7_single_divider");
    for (const char* name : {"CheckBox5", "CheckBox6", "CheckBox7", "CheckBox29"}) // MCR "3".."5", EM1
        box(name).click();
    combo("EMC0_1combobox").setItemIndex(2);

    box("CheckBox33").click(); // PWM mode on output 1
    expectBox("CheckBox5", true, true);
    expectBox("CheckBox6", false, false);
    expectBox("CheckBox7", false, false);
    expectBox("CheckBox29", false, false);
    EXPECT_EQ(combo("EMC0_1combobox").itemIndex(), 0);
    EXPECT_FALSE(get("EMC0_1combobox").enabled());
    expectBox("CheckBox4", false, true); // match 0 is untouched

    box("CheckBox33").click();
    expectBox("CheckBox6", false, true);
    expectBox("CheckBox7", false, true);
    expectBox("CheckBox29", false, true);
    EXPECT_FALSE(get("EMC0_1combobox").enabled()) << "EM1 is still unchecked";
}

TEST_F(TimerPageTest, ExternalMatchBoxGatesItsAction) {
    loadWithTimer0("arm7_single_divider");
    EXPECT_FALSE(get("EMC0_2combobox").enabled());
    box("CheckBox30").click(); // EM2
    EXPECT_TRUE(get("EMC0_2combobox").enabled());
    combo("EMC0_2combobox").setItemIndex(3);
    box("CheckBox30").click();
    EXPECT_EQ(combo("EMC0_2combobox").itemIndex(), 0);
    EXPECT_FALSE(get("EMC0_2combobox").enabled());
}

TEST_F(TimerPageTest, FiguresFollowPrescalerAndClock) {
    loadWithTimer0("arm7_single_divider");
    EXPECT_EQ(figures(0), "Counter clk: 15 MHz | Counts every: 66.67 ns");
    edit("T0PR").setText("E");
    EXPECT_EQ(figures(0), "Counter clk: 1 MHz | Counts every: 1000 ns");
    // The largest prescaler divides by 2^32, not by a wrapped-around zero.
    edit("T0PR").setText("FFFFFFFF");
    EXPECT_EQ(figures(0), "Counter clk: 0.0035 Hz | Counts every: 286.33 sec");
    edit("T0PR").setText("0");
    get<model::NumericEdit>("pllclock_edit").setText("72");
    EXPECT_EQ(figures(0), "Counter clk: 18 MHz | Counts every: 55.56 ns");
}

// Each match in use says how often it matches at the counter clock: the first resetting match
// ends the cycle, a stop ends the count, a match past either is never reached.
TEST_F(TimerPageTest, MatchFiguresSayHowOftenEachMatchInUseMatches) {
    loadWithTimer0("arm7_single_divider"); // 15 MHz
    const auto mcr = [&](int m, int bit) -> model::CheckBox& {
        return box(kMatchControlBoxes[0][static_cast<std::size_t>(3 * m + bit)]);
    };
    const auto& label = get(matchFiguresLabelName(0));
    EXPECT_FALSE(label.visible()) << "no match in use";

    edit("T0MR0").setText("3A97"); // 14999
    mcr(0, 0).setChecked(true);
    EXPECT_EQ(label.caption(), "MR0: every 286.33 sec (0.0035 Hz)") << "the 32-bit counter wraps";
    mcr(0, 1).setChecked(true);
    edit("T0MR1").setText("1D4B");
    mcr(1, 0).setChecked(true);
    edit("T0MR2").setText("4E20");
    combo("EMC0_2combobox").setItemIndex(3);
    EXPECT_TRUE(label.visible());
    EXPECT_EQ(label.caption(), "MR0: every 1 ms (1 kHz)\n"
                               "MR1: every 1 ms (1 kHz)\n"
                               "MR2: never reached (MR0 resets the counter first)");
    mcr(1, 2).setChecked(true);
    EXPECT_EQ(label.caption(), "MR0: never reached (MR1 stops the counter first)\n"
                               "MR1: once, after 499.93 us\n"
                               "MR2: never reached (MR1 stops the counter first)");
    mcr(1, 2).setChecked(false);
    combo("T0CTCR10").setItemIndex(1);
    EXPECT_EQ(label.caption().substr(0, 27), "MR0: every 15000 counts\nMR1") << "counting edges";
    EXPECT_EQ(edit("T0MR0").text(), "00003A97") << "the figures change no register";
}

TEST_F(TimerPageTest, TimerDividerDrivesOnlyItsOwnClock) {
    load("arm7_mixed_widths"); // one divider per peripheral
    EXPECT_TRUE(get("T1pclk_panel").visible());
    combo("T1pclk_div").setItemIndex(3); // 1/1
    EXPECT_EQ(edit("T1pclock_edit").text(), "60");
    EXPECT_EQ(figures(1), "Counter clk: 60 MHz | Counts every: 16.67 ns");
    EXPECT_EQ(figures(0), "Counter clk: 15 MHz | Counts every: 66.67 ns");
}

TEST_F(TimerPageTest, HintsFollowTheMouseAndGroupBoxesClearThePair) {
    load("arm7_mixed_widths");
    get("T0PR").hovered.emit(get("T0PR"));
    EXPECT_FALSE(caption("timer0_hintLabel").empty());
    EXPECT_EQ(caption("timer0_hintLabel"), get("T0PR").hint());
    get("CheckBox38").hovered.emit(get("CheckBox38")); // Timer1 MCR "2"
    EXPECT_EQ(caption("timer1_hintLabel"), get("CheckBox38").hint());
    EXPECT_EQ(get("CheckBox38").hint(),
              "T1MR0S, 1= stop TC and PC on MR0 match and clear TCR[0], 0= stop disabled");
    EXPECT_EQ(combo("T0CTCR10").items(),
              regforge::testing::expectedLines("TimerPageTest/HintsFollowTheMouseAndGroupBoxesClearThePair"));
    get("CheckBox120").hovered.emit(get("CheckBox120")); // Timer2 CCR "5"
    EXPECT_EQ(caption("timer2_hintLabel"), get("CheckBox120").hint());

    get("T1_groupBox").hovered.emit(get("T1_groupBox"));
    EXPECT_EQ(caption("timer0_hintLabel"), "");
    EXPECT_EQ(caption("timer1_hintLabel"), "");
    EXPECT_NE(caption("timer2_hintLabel"), "") << "the other pair keeps its hint";
}

TEST_F(TimerPageTest, RadioButtonsShowOnePairOfTimers) {
    folder.start();
    EXPECT_FALSE(get("PanelTimers23").visible());
    get("ShowTimer23RadioButton").click();
    EXPECT_TRUE(get("PanelTimers23").visible());
    get("ShowTimer01RadioButton").click();
    EXPECT_FALSE(get("PanelTimers23").visible());
}

} // namespace
} // namespace regforge::periph::timer
