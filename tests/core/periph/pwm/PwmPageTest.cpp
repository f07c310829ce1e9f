#include "periph/pwm/PwmPage.h"

#include "PwmFixture.h"

#include <string>
#include <vector>

namespace regforge::periph::pwm {
namespace {

using Strings = std::vector<std::string>;

class PwmPageTest : public PwmFixture {
protected:
    // Loads the fixture and switches the unit on, as the user does before editing it.
    void loadWithUnit(const std::string& fixture, int unit) {
        load(fixture);
        box(enableBoxName(unit)).click();
        ASSERT_TRUE(box(enableBoxName(unit)).checked());
    }
    void expectBox(const std::string& name, bool checked, bool enabled) {
        EXPECT_EQ(box(name).checked(), checked) << name;
        EXPECT_EQ(box(name).enabled(), enabled) << name;
    }
    std::string figures(int unit) {
        return caption(clockLabelName(unit)) + " | " + caption(tickLabelName(unit)) + " | " +
               caption(frequencyLabelName(unit));
    }
    Strings outputLabels(int unit) {
        Strings labels;
        for (int n = 1; n <= kOutputCount; ++n)
            labels.push_back(caption(outputLabelName(unit, n)));
        return labels;
    }
    model::RadioButton& radio(const std::string& name) { return get<model::RadioButton>(name); }
    const PwmUnit& unit(int u) { return folder.form().page<PwmPage>().unit(u); }
};

const Strings kAllSingleEdgeDisabled = {
    "PWM1: Single edge, set by MR0, reset by MR1, output disabled",
    "PWM2: Single edge, set by MR0, reset by MR2, output disabled",
    "PWM3: Single edge, set by MR0, reset by MR3, output disabled",
    "PWM4: Single edge, set by MR0, reset by MR4, output disabled",
    "PWM5: Single edge, set by MR0, reset by MR5, output disabled",
    "PWM6: Single edge, set by MR0, reset by MR6, output disabled",
};

TEST_F(PwmPageTest, SectionsDecideUnitsCountInputsAndTheUnitShown) {
    addFixture("cortex_m3");
    addFixture("arm7_one_unit");
    load("arm7_two_units");
    EXPECT_TRUE(get("PWM0_checkbox").visible());
    EXPECT_TRUE(get("PWM1_checkbox").visible());
    EXPECT_TRUE(radio("ShowPWM0RadioButton").checked()) << "with both units PWM0 is shown";
    EXPECT_FALSE(get("PanelPWM1").visible());
    // [PWM0] "1": the single input PCAP 0.0 and only the capture-0 row.
    EXPECT_EQ(combo("PWM0CTCR32").items(), Strings{"PCAP 0.0"});
    EXPECT_TRUE(get("PWM0CTCR10").visible());
    for (const char* name : {"Label127", "CheckBox155", "CheckBox156", "CheckBox157"})
        EXPECT_TRUE(get(name).visible()) << name;
    for (const char* name : {"Label122", "CheckBox154", "CheckBox153", "CheckBox152"})
        EXPECT_FALSE(get(name).visible()) << name;
    EXPECT_EQ(combo("PWM1CTCR32").items(), (Strings{"PCAP 1.0", "PCAP 1.1"}));
    EXPECT_TRUE(get("Label166").visible());

    get("ShowPWM1RadioButton").click();
    EXPECT_TRUE(get("PanelPWM1").visible());

    loadProfile("cortex_m3"); // [PWM1] only: PWM1 at once
    EXPECT_TRUE(radio("ShowPWM1RadioButton").checked());
    EXPECT_FALSE(radio("ShowPWM0RadioButton").checked());
    EXPECT_TRUE(get("PanelPWM1").visible());
    EXPECT_FALSE(get("PWM0_checkbox").visible());
    EXPECT_FALSE(get("pwm0_groupBox").visible());

    loadProfile("arm7_one_unit"); // [PWM0] "0": no counter mode, no capture rows
    EXPECT_TRUE(radio("ShowPWM0RadioButton").checked());
    EXPECT_FALSE(get("PanelPWM1").visible());
    EXPECT_FALSE(get("PWM0CTCR10").visible());
    EXPECT_FALSE(get("PWM0CTCR32").visible());
    EXPECT_EQ(combo("PWM0CTCR32").count(), 0);
    for (const char* name : {"Label127", "Label122", "CheckBox155", "CheckBox152"})
        EXPECT_FALSE(get(name).visible()) << name;
    EXPECT_FALSE(get("PWM1_checkbox").visible());
}

// The reset and the saved files find a unit's register controls by tag (unit base + field offset)
// and take a box's register bit from its caption; both are fixed.
TEST_F(PwmPageTest, RegisterControlsCarryTheirTagsAndBitCaptions) {
    struct Box {
        const char* name;
        int offset;
        const char* caption;
    };
    // MCR boxes (offset = match register), CCR boxes (offset 10 + capture input), per unit.
    const std::vector<std::vector<Box>> matchAndCapture = {
        {{"CheckBox141", 0, "0"},  {"CheckBox140", 0, "1"},  {"CheckBox139", 0, "2"},
         {"CheckBox142", 1, "3"},  {"CheckBox143", 1, "4"},  {"CheckBox144", 1, "5"},
         {"CheckBox147", 2, "6"},  {"CheckBox146", 2, "7"},  {"CheckBox145", 2, "8"},
         {"CheckBox148", 3, "9"},  {"CheckBox149", 3, "10"}, {"CheckBox150", 3, "11"},
         {"CheckBox179", 4, "12"}, {"CheckBox178", 4, "13"}, {"CheckBox177", 4, "14"},
         {"CheckBox174", 5, "15"}, {"CheckBox175", 5, "16"}, {"CheckBox176", 5, "17"},
         {"CheckBox173", 6, "18"}, {"CheckBox172", 6, "19"}, {"CheckBox171", 6, "20"},
         {"CheckBox155", 10, "0"}, {"CheckBox156", 10, "1"}, {"CheckBox157", 10, "2"},
         {"CheckBox154", 11, "3"}, {"CheckBox153", 11, "4"}, {"CheckBox152", 11, "5"}},
        {{"CheckBox189", 0, "0"},  {"CheckBox188", 0, "1"},  {"CheckBox187", 0, "2"},
         {"CheckBox190", 1, "3"},  {"CheckBox191", 1, "4"},  {"CheckBox192", 1, "5"},
         {"CheckBox195", 2, "6"},  {"CheckBox194", 2, "7"},  {"CheckBox193", 2, "8"},
         {"CheckBox196", 3, "9"},  {"CheckBox197", 3, "10"}, {"CheckBox198", 3, "11"},
         {"CheckBox219", 4, "12"}, {"CheckBox218", 4, "13"}, {"CheckBox217", 4, "14"},
         {"CheckBox214", 5, "15"}, {"CheckBox215", 5, "16"}, {"CheckBox216", 5, "17"},
         {"CheckBox213", 6, "18"}, {"CheckBox212", 6, "19"}, {"CheckBox211", 6, "20"},
         {"CheckBox203", 10, "0"}, {"CheckBox204", 10, "1"}, {"CheckBox205", 10, "2"},
         {"CheckBox202", 11, "3"}, {"CheckBox201", 11, "4"}, {"CheckBox200", 11, "5"}},
    };
    load("arm7_two_units");
    for (int u = 0; u < 2; ++u) {
        const int base = 700 + 100 * u;
        const std::string d = std::to_string(u);
        for (const Box& b : matchAndCapture[static_cast<std::size_t>(u)]) {
            EXPECT_EQ(get(b.name).tag(), base + b.offset) << b.name;
            EXPECT_EQ(caption(b.name), b.caption) << b.name;
        }
        for (int n = 2; n <= 6; ++n) {
            const std::string name = "PWM" + d + std::to_string(n) + "EdgeCheckBox";
            EXPECT_EQ(get(name).tag(), base + 20 + n) << name;
            EXPECT_EQ(caption(name), std::to_string(n)) << name;
        }
        for (int n = 1; n <= 6; ++n) {
            const std::string name = "PWM" + d + std::to_string(n) + "EnableCheckBox";
            EXPECT_EQ(get(name).tag(), base + 30 + n) << name;
            EXPECT_EQ(caption(name), std::to_string(n + 8)) << name;
        }
        EXPECT_EQ(get(u == 0 ? "PWM0TC" : "MivoEdit1").tag(), base + 50);
        EXPECT_EQ(get("PWM" + d + "PR").tag(), base + 51);
        for (int m = 0; m <= 6; ++m)
            EXPECT_EQ(get("PWM" + d + "MR" + std::to_string(m)).tag(), base + 53 + m) << m;
        EXPECT_EQ(get("PWM" + d + "TCR_EnCounter").tag(), base + 60);
        EXPECT_EQ(get("PWM" + d + "TCR_Reset").tag(), base + 61);
        EXPECT_EQ(get("PWM" + d + "TCR_EnPWM").tag(), base + 62);
        EXPECT_EQ(get("PWM" + d + "CTCR10").tag(), base + 63);
        EXPECT_EQ(get("PWM" + d + "CTCR32").tag(), base + 64);
        EXPECT_EQ(get("PWM" + d + "_checkbox").tag(), 799) << "both enable boxes";
    }
}

TEST_F(PwmPageTest, MalformedCaptureCountFailsTheLoadQuickly) {
    // Words, a negative or absurd count, and a header with no line after it.
    const std::vector<std::pair<std::string, std::string>> profiles = {
        {"words", "[PWM0]\r\ntwo\r\n[INCLUDE]\r\nx.h\r\n"},
        {"negative", "[PWM1]\r\n-1\r\n"},
        {"huge", "[PWM0]\r\n2000000000\r\n"},
        {"beyond", "[PWM0]\r\n99999999999999999999\r\n"},
        {"last", "[INCLUDE]\r\nx.h\r\n[PWM1]"},
    };
    for (const auto& [name, text] : profiles)
        folder.addProfile(name, text);
    folder.start();
    for (const auto& [name, text] : profiles) {
        folder.ui.messages.clear();
        EXPECT_FALSE(folder.load(name)) << name;
        ASSERT_EQ(folder.ui.messages.size(), 1u) << name;
        EXPECT_EQ(folder.ui.messages[0].caption, "Can't open profile") << name;
    }
}

TEST_F(PwmPageTest, EnableBoxNeedsALoadedDeviceAndDrivesTheGroupBox) {
    addFixture("arm7_two_units");
    folder.start();
    box("PWM0_checkbox").click();
    EXPECT_FALSE(box("PWM0_checkbox").checked()) << "no device loaded";
    EXPECT_TRUE(get("PWM0_panel").visible());

    ASSERT_TRUE(folder.load("arm7_two_units"));
    box("PWM1_checkbox").click();
    EXPECT_TRUE(get("pwm1_groupBox").enabled());
    EXPECT_FALSE(get("PWM1_panel").visible());
    EXPECT_EQ(caption("PWM1_panel"), "PWM1 is disabled or not available");
    box("PWM1_checkbox").click();
    EXPECT_FALSE(get("pwm1_groupBox").enabled());
    EXPECT_TRUE(get("PWM1_panel").visible());
}

TEST_F(PwmPageTest, PwmModeForcesMr0AboveZeroHoldsItsResetAndGatesTheOutputs) {
    loadWithUnit("arm7_two_units", 0);
    EXPECT_EQ(figures(0), "Counter clk: 15 MHz | Counts every: 66.67 ns | PWM frequency: ");
    for (int n = 2; n <= kOutputCount; ++n)
        expectBox(doubleEdgeBoxName(0, n), false, false);

    box("PWM0TCR_EnPWM").click();
    EXPECT_EQ(edit("PWM0MR0").text(), "00000001");
    EXPECT_EQ(figures(0), "Counter clk: 15 MHz | Counts every: 66.67 ns | PWM frequency: 15 MHz")
        << "MR0 = 1: the PWM runs at the counter clock";
    expectBox("CheckBox140", true, true);
    box("CheckBox140").click();
    EXPECT_TRUE(box("CheckBox140").checked()) << "PWM mode keeps MR0's reset";
    EXPECT_EQ(edit("PWM0MR0").shownText(), "0x00000001");
    edit("PWM0MR0").setText("0");
    EXPECT_EQ(edit("PWM0MR0").text(), "00000001") << "MR0 cannot be zero in PWM mode";

    edit("PWM0MR0").setText("2710"); // 10000
    EXPECT_EQ(caption("pwm0frequency"), "PWM frequency: 1.5 KHz");
    box("PWM02EdgeCheckBox").click();
    box("PWM02EnableCheckBox").click();
    box("PWM01EnableCheckBox").click();
    Strings expected = kAllSingleEdgeDisabled;
    expected[0] = "PWM1: Single edge, set by MR0, reset by MR1, output enabled";
    expected[1] = "PWM2: Double edge, set by MR1, reset by MR2, output enabled";
    EXPECT_EQ(outputLabels(0), expected);
    box("PWM06EdgeCheckBox").click();
    EXPECT_EQ(caption("PWM06label"), "PWM6: Double edge, set by MR5, reset by MR6, output disabled");

    box("PWM0TCR_EnPWM").click();
    expectBox("CheckBox140", false, true);
    box("CheckBox140").click();
    EXPECT_TRUE(box("CheckBox140").checked()) << "out of PWM mode the reset is the user's";
    for (int n = 1; n <= kOutputCount; ++n) {
        if (n > 1)
            expectBox(doubleEdgeBoxName(0, n), false, false);
        expectBox(outputEnableBoxName(0, n), false, false);
    }
    EXPECT_EQ(outputLabels(0), kAllSingleEdgeDisabled);
    EXPECT_EQ(caption("pwm0frequency"), "PWM frequency: ");
    edit("PWM0MR0").setText("0");
    EXPECT_EQ(edit("PWM0MR0").text(), "00000000") << "timer mode allows MR0 = 0";
}

TEST_F(PwmPageTest, CounterModeLocksTheCountInputsCaptureBoxes) {
    loadWithUnit("arm7_two_units", 1);
    for (const char* name : {"CheckBox204", "CheckBox202", "CheckBox201", "CheckBox200"}) // "1", "3".."5"
        box(name).click();
    combo("PWM1CTCR10").setItemIndex(1); // counts PCAP 1.0
    EXPECT_TRUE(get("PWM1CTCR32").enabled());
    expectBox("CheckBox204", false, false);
    expectBox("CheckBox202", true, true);
    combo("PWM1CTCR32").setItemIndex(1); // PCAP 1.1 now counts; PCAP 1.0 is free again
    for (const char* name : {"CheckBox202", "CheckBox201", "CheckBox200"})
        expectBox(name, false, false);
    expectBox("CheckBox204", false, true);
    box("CheckBox203").click();
    expectBox("CheckBox203", true, true);
    box("PWM1TCR_EnPWM").click();
    EXPECT_EQ(figures(1), "Counter clk: Capture input/(PR+1) | Counts every: Capture input/(PR+1) | "
                          "PWM frequency: counter frequency / MR0");

    combo("PWM1CTCR10").setItemIndex(0);
    EXPECT_FALSE(get("PWM1CTCR32").enabled());
    for (const char* name : {"CheckBox203", "CheckBox202", "CheckBox201", "CheckBox200"})
        EXPECT_TRUE(box(name).enabled()) << name;
    for (const char* name : {"CheckBox202", "CheckBox201", "CheckBox200"})
        EXPECT_FALSE(box(name).checked()) << name << " stays unchecked";
    EXPECT_EQ(figures(1), "Counter clk: 15 MHz | Counts every: 66.67 ns | PWM frequency: 15 MHz");
}

TEST_F(PwmPageTest, MatchBeyondMr0TurnsRedOnlyInPwmMode) {
    loadWithUnit("arm7_two_units", 0);
    const auto colour = [&](const char* name) { return edit(name).colour(); };
    edit("PWM0MR3").setText("20");
    EXPECT_EQ(colour("PWM0MR3"), model::kDefaultColour) << "PWM mode off: white whatever the value";
    box("PWM0TCR_EnPWM").click(); // MR0 becomes 1
    EXPECT_EQ(colour("PWM0MR3"), model::kRed);
    EXPECT_EQ(colour("PWM0MR1"), model::kDefaultColour);
    edit("PWM0MR0").setText("20");
    EXPECT_EQ(colour("PWM0MR3"), model::kDefaultColour) << "equal to MR0 stays white";
    edit("PWM0MR6").setText("21");
    EXPECT_EQ(colour("PWM0MR6"), model::kRed);
    edit("PWM0MR0").setText("20");
    ASSERT_EQ(colour("PWM0MR6"), model::kRed);
    box("PWM0TCR_EnPWM").click();
    EXPECT_EQ(colour("PWM0MR6"), model::kDefaultColour) << "leaving PWM mode leaves no edit red";
    edit("PWM0MR0").setText("1");
    edit("PWM0MR6").setText("30");
    EXPECT_EQ(colour("PWM0MR6"), model::kDefaultColour);
}

TEST_F(PwmPageTest, FiguresFollowPrescalerMr0AndTheUnitsOwnClock) {
    loadWithUnit("arm7_two_units", 0); // one divider per peripheral
    EXPECT_TRUE(get("pwm0pclk_panel").visible());
    box("PWM0TCR_EnPWM").click();
    edit("PWM0PR").setText("E");
    EXPECT_EQ(figures(0), "Counter clk: 1 MHz | Counts every: 1000 ns | PWM frequency: 1 MHz");
    edit("PWM0MR0").setText("3");
    EXPECT_EQ(caption("pwm0frequency"), "PWM frequency: 333.3333 KHz");
    edit("PWM0PR").setText("FFFFFFFF");
    EXPECT_EQ(caption(clockLabelName(0)), "Counter clk: 0.0035 Hz");

    edit("PWM0PR").setText("0");
    combo("PWM0pclk_div").setItemIndex(3); // 1/1
    EXPECT_EQ(edit("PWM0pclock_edit").text(), "60");
    EXPECT_EQ(figures(0), "Counter clk: 60 MHz | Counts every: 16.67 ns | PWM frequency: 20 MHz");
    EXPECT_EQ(figures(1), "Counter clk: 15 MHz | Counts every: 66.67 ns | PWM frequency: ");
    get<model::NumericEdit>("pllclock_edit").setText("72");
    EXPECT_EQ(caption(clockLabelName(0)), "Counter clk: 72 MHz");
    EXPECT_EQ(caption(clockLabelName(1)), "Counter clk: 18 MHz");
}

// In PWM mode each enabled output tells its duty cycle and pulse width over the MR0 period.
TEST_F(PwmPageTest, PulseFiguresGiveEachEnabledOutputsDutyCycle) {
    loadWithUnit("arm7_two_units", 0);
    const auto& label = get(pulseFiguresLabelName(0));
    box("PWM0TCR_EnPWM").click();
    edit("PWM0PR").setText("E");    // 1 MHz
    edit("PWM0MR0").setText("3E8"); // 1000 counts: 1 ms
    EXPECT_FALSE(label.visible()) << "no output enabled";
    edit("PWM0MR1").setText("FA");
    edit("PWM0MR2").setText("320");
    edit("PWM0MR3").setText("C8");
    edit("PWM0MR4").setText("7D0");
    for (int n : {1, 3, 4})
        box(outputEnableBoxName(0, n)).click();
    box(doubleEdgeBoxName(0, 3)).click();
    EXPECT_TRUE(label.visible());
    EXPECT_EQ(label.caption(), "PWM1: duty 25 % (250 us high of 1 ms)\n"
                               "PWM3: duty 40 % (400 us high of 1 ms)\n"
                               "PWM4: duty 100 % (1 ms high of 1 ms)");
    edit("PWM0MR1").setText("0");
    EXPECT_EQ(label.caption().substr(0, 34), "PWM1: duty 0 % (0 sec high of 1 ms")
        << "a zero match keeps it low";
    box("PWM0TCR_EnPWM").click();
    EXPECT_FALSE(label.visible()) << "out of PWM mode";
}

TEST_F(PwmPageTest, SingleDividerDeviceCountsFromTheCommonClock) {
    loadWithUnit("arm7_one_unit", 0);
    EXPECT_FALSE(get("pwm0pclk_panel").visible());
    get<model::ComboBox>("pclk_div").setItemIndex(2); // 1/2 of 60
    EXPECT_EQ(caption(clockLabelName(0)), "Counter clk: 30 MHz");
    EXPECT_EQ(&folder.form().page<PwmPage>().unitClockEdit(0), &edit("pclock_edit"));
}

TEST_F(PwmPageTest, NextDeviceResetsEverySetting) {
    addFixture("arm7_one_unit");
    loadWithUnit("arm7_two_units", 1);
    box("PWM1TCR_EnPWM").click();
    box("PWM13EnableCheckBox").click();
    box("PWM1TCR_EnCounter").click();
    edit("PWM1MR4").setText("AB");
    box("CheckBox219").click(); // MR4 interrupt
    combo("PWM1CTCR10").setItemIndex(3);

    loadProfile("arm7_one_unit");
    EXPECT_FALSE(box("PWM1_checkbox").checked());
    EXPECT_FALSE(get("pwm1_groupBox").enabled());
    EXPECT_TRUE(get("PWM1_panel").visible());
    EXPECT_FALSE(box("PWM1TCR_EnPWM").checked());
    EXPECT_FALSE(box("PWM1TCR_EnCounter").checked());
    EXPECT_FALSE(box("CheckBox188").checked());
    expectBox("PWM13EnableCheckBox", false, false);
    EXPECT_EQ(edit("PWM1MR4").text(), "00000000");
    EXPECT_EQ(edit("PWM1MR0").text(), "00000000");
    EXPECT_FALSE(box("CheckBox219").checked());
    EXPECT_EQ(combo("PWM1CTCR10").itemIndex(), 0);
    EXPECT_FALSE(get("PWM1CTCR32").enabled());
    EXPECT_EQ(outputLabels(1), kAllSingleEdgeDisabled);
}

TEST_F(PwmPageTest, HintsFollowTheMouseAndTheGroupBoxClearsThem) {
    load("arm7_two_units");
    get("CheckBox139").hovered.emit(get("CheckBox139")); // PWM0 MCR "2"
    EXPECT_EQ(caption("pwm0_hintLabel"),
              "PWM0MR0S, 1= stop  (TC && PC)  on MR0 match && disable timer, 0= stop disabled");
    get("CheckBox154").hovered.emit(get("CheckBox154")); // PWM0 CCR "3"
    EXPECT_EQ(caption("pwm0_hintLabel"),
              "PWM0CAP1RE, 1= load CR1 with TC on a rising edge of PCAP0.1, 0= disabled");
    get("CheckBox152").hovered.emit(get("CheckBox152")); // PWM0 CCR "5"
    EXPECT_EQ(caption("pwm0_hintLabel"),
              "PWM0CAP1I, 1= interrupt when PCAP0.1 loads CR1, 0= interrupt disabled");
    get("PWM1PR").hovered.emit(get("PWM1PR"));
    EXPECT_EQ(caption("pwm1_hintLabel"), get("PWM1PR").hint());
    EXPECT_FALSE(get("PWM1PR").hint().empty());
    get("PWM1CTCR32").hovered.emit(get("PWM1CTCR32"));
    EXPECT_EQ(caption("pwm1_hintLabel"), "PWM1CTCR[3:2], the capture input counted in counter mode");
    for (const model::Control* c : unit(1).hinted)
        EXPECT_FALSE(c->hint().empty()) << c->name();
    get("pwm0_groupBox").hovered.emit(get("pwm0_groupBox"));
    EXPECT_EQ(caption("pwm0_hintLabel"), "");
    EXPECT_NE(caption("pwm1_hintLabel"), "") << "the other unit keeps its hint";
}

} // namespace
} // namespace regforge::periph::pwm
