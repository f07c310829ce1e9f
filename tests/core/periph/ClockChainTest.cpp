#include "periph/ClockChain.h"

#include "model/ComboBox.h"
#include "model/ControlStore.h"
#include "model/NumericEdit.h"
#include "support/ProgramFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace regforge::periph {
namespace {

using model::ComboBox;
using model::Control;
using model::ControlKind;
using model::NumericEdit;

// The clock bar and ten unit panels as the program has them: Timer0..3 and PWM0..1 count,
// SPI and SSP0..2 are serial ports.
struct ClockPanels {
    model::ControlStore store;
    profile::DeviceState device;
    Control& form = store.add<Control>(ControlKind::Form, "Form1", nullptr);
    ClockChain chain{device};
    std::vector<PeripheralClockPanel> units;
    NumericEdit* cpu = nullptr;
    ComboBox* common = nullptr;
    NumericEdit* commonClock = nullptr;
    int announced = 0;

    ClockPanels() {
        for (int u = 0; u < 10; ++u) {
            const std::string n = std::to_string(u);
            units.push_back(chain.addUnit(store, &form, {"panel" + n, "div" + n, "clock" + n},
                                          u < 6 ? ClockGroup::CounterUnit : ClockGroup::SerialPort, {}));
        }
        chain.declareBar(store, form);
        cpu = &store.get<NumericEdit>("pllclock_edit");
        common = &store.get<ComboBox>("pclk_div");
        commonClock = &store.get<NumericEdit>("pclock_edit");
        chain.changed.connect([this] { ++announced; });
    }
    ComboBox& divider(std::size_t i) { return *units[i].divider; }
    NumericEdit& clock(std::size_t i) { return *units[i].clock; }
};

TEST(ClockChain, CommonDividerReachesEveryPeripheralAndIsAnnouncedOnce) {
    ClockPanels c;
    // A divider's own change handler recomputes its clock; the common text must win.
    c.divider(0).changed.connect([&](Control&) { c.clock(0).setText("99"); });
    c.common->setItemIndex(2);

    for (std::size_t i = 0; i < c.units.size(); ++i) {
        EXPECT_EQ(c.divider(i).itemIndex(), 2) << i;
        EXPECT_EQ(c.clock(i).text(), "30") << i;
    }
    EXPECT_EQ(c.announced, 1);

    // Set through the chain, the CPU clock is what typing shows: within the edit's limits.
    c.chain.setCpuClock(250);
    EXPECT_EQ(c.cpu->text(), "200");
    EXPECT_EQ(c.clock(9).text(), "100");
    c.chain.setCpuClock(0.5);
    EXPECT_EQ(c.cpu->text(), "1");
    EXPECT_EQ(c.commonClock->text(), "0.5");
    c.chain.setCpuClock(1);
    EXPECT_EQ(c.announced, 3) << "an unchanged CPU clock recomputes nothing";
}

TEST(ClockChain, Lpc13xxCopiesToTimersAndPwmAndComputesSerialPorts) {
    ClockPanels c;
    c.device.singlePclkDivider = false;
    c.device.pclkDiv13xx = true;
    c.chain.fillDividerLists();
    EXPECT_EQ(c.common->count(), 255);
    EXPECT_EQ(c.divider(0).count(), 4) << "the counters keep the four fixed items";
    EXPECT_EQ(c.divider(6).count(), 255);
    c.common->setItemIndex(3);
    c.divider(6).setItemIndex(1); // SPI 1/2
    c.divider(7).setItemIndex(0); // SSP0 1/1
    c.divider(8).setItemIndex(4); // SSP1 1/5
    c.divider(9).setItems({});    // SSP2 has no selection
    c.clock(9).setText("untouched");

    c.chain.refresh();

    EXPECT_EQ(c.commonClock->text(), "15");
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(c.divider(i).itemIndex(), 3) << i;
        EXPECT_EQ(c.clock(i).text(), "15") << i;
    }
    EXPECT_EQ(c.clock(6).text(), "30");
    EXPECT_EQ(c.clock(7).text(), "60");
    EXPECT_EQ(c.clock(8).text(), "12");
    EXPECT_EQ(c.clock(9).text(), "untouched");
    EXPECT_EQ(c.divider(6).itemIndex(), 1); // the serial ports keep their own dividers
}

TEST(ClockChain, PanelsShowWhereTheDeviceHasDividersAndADividerChangeRunsTheFigures) {
    ClockPanels c;
    int figures = 0;
    const auto timer =
        c.chain.addUnit(c.store, &c.form, {"tp", "td", "tc"}, ClockGroup::CounterUnit, [&] { ++figures; });
    EXPECT_FALSE(timer.shownFor(c.device)) << "one divider for the whole device";
    EXPECT_EQ(&c.chain.unitClock(timer), c.commonClock);
    c.device.singlePclkDivider = false;
    EXPECT_TRUE(timer.shownFor(c.device));
    EXPECT_EQ(&c.chain.unitClock(timer), timer.clock);
    EXPECT_TRUE(c.units[6].shownFor(c.device));
    c.device.pclkDiv13xx = true;
    EXPECT_FALSE(timer.shownFor(c.device));
    EXPECT_EQ(&c.chain.unitClock(c.units[6]), c.units[6].clock) << "the serial ports keep their own";
    EXPECT_TRUE(c.units[6].shownFor(c.device));

    c.device.pclkDiv13xx = false;
    timer.divider->setItemIndex(2);
    EXPECT_EQ(timer.clock->text(), "30");
    EXPECT_EQ(figures, 1);
}

// The window's state as the user sees it: every control's caption and edit text, then the code.
std::vector<std::string> shownState(app::MainForm& form) {
    std::vector<std::string> shown;
    for (const Control* c : form.store().all()) {
        const auto* edit = dynamic_cast<const NumericEdit*>(c);
        shown.push_back(c->name() + " " + c->caption() + (edit != nullptr ? " " + edit->text() : ""));
    }
    const auto code = form.createCode().lines;
    shown.insert(shown.end(), code.begin(), code.end());
    return shown;
}

// A CPU clock set through the chain (as the clock page will) leaves every clock, figure and line
// of code exactly where typing the same clock leaves them.
TEST(ClockChain, ACpuClockSetThroughTheChainShowsWhatTypingItShows) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/config/all_units.ini", std::ios::binary);
    std::stringstream profile;
    profile << in.rdbuf();
    std::vector<std::string> states;
    for (const bool typed : {true, false}) {
        testing::ProgramFolder folder;
        folder.addProfile("all_units", profile.str());
        auto& form = folder.start();
        ASSERT_TRUE(folder.load("all_units"));
        auto& store = form.store();
        for (const char* box : {"T0_checkbox", "PWM1_checkbox", "SSP1_checkbox", "ad0_checkbox"})
            store.get<model::CheckBox>(box).click();
        store.get<ComboBox>("T2pclk_div").setItemIndex(3);
        store.get<ComboBox>("SSP1pclk_div").setItemIndex(0);
        store.get<NumericEdit>("T0PR").setText("3");
        auto& cpu = store.get<NumericEdit>("pllclock_edit");
        if (typed) {
            cpu.keyPress('7', 0, static_cast<int>(cpu.shownText().size()));
            for (const char ch : std::string("2.5"))
                cpu.keyPress(ch, static_cast<int>(cpu.shownText().size()), 0);
            cpu.pressEnter();
        } else {
            form.clocks().setCpuClock(72.5);
        }
        EXPECT_EQ(cpu.text(), "72.5");
        EXPECT_EQ(form.clocks().cpuMhz(), 72.5);
        EXPECT_EQ(store.get<NumericEdit>("T2pclock_edit").text(), "72.5");
        const auto shown = shownState(form);
        std::string joined;
        for (const auto& line : shown)
            joined += line + "\n";
        states.push_back(joined);
    }
    EXPECT_EQ(states[0], states[1]);
}

} // namespace
} // namespace regforge::periph
