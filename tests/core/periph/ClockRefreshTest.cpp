#include "periph/ClockRefresh.h"

#include "model/ComboBox.h"
#include "model/ControlStore.h"
#include "model/NumericEdit.h"

#include <gtest/gtest.h>
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
    CommonClock common;
    std::vector<PeripheralClockPanel> units;

    ClockPanels() {
        for (int u = 0; u < 10; ++u) {
            const std::string n = std::to_string(u);
            units.push_back(declarePeripheralClockPanel(
                store, &form, "panel" + n, "div" + n, "clock" + n,
                u < 6 ? ClockGroup::CounterUnit : ClockGroup::SerialPort, common, device, {}));
        }
        auto& cpu = store.add<NumericEdit>("pllclock_edit", &form);
        cpu.setValueKind(model::ValueKind::Float);
        cpu.setMaximumValue(200);
        cpu.setText("60");
        auto& divider = store.add<ComboBox>("pclk_div", &form);
        divider.setItems(kFixedDividerItems);
        divider.setItemIndex(1);
        auto& clock = store.add<NumericEdit>("pclock_edit", &form);
        clock.setValueKind(model::ValueKind::Float);
        clock.setText("15");
        common = {&cpu, &divider, &clock};
    }
    ComboBox& divider(std::size_t i) { return *units[i].divider; }
    NumericEdit& clock(std::size_t i) { return *units[i].clock; }
};

TEST(ClockRefresh, CommonDividerReachesEveryPeripheral) {
    ClockPanels c;
    c.common.divider->setItemIndex(2);
    // A divider's own change handler recomputes its clock; the common text must win.
    c.divider(0).changed.connect([&](Control&) { c.clock(0).setText("99"); });

    refreshPeripheralClocks(c.common, c.units, c.device);

    for (std::size_t i = 0; i < c.units.size(); ++i) {
        EXPECT_EQ(c.divider(i).itemIndex(), 2) << i;
        EXPECT_EQ(c.clock(i).text(), "30") << i;
    }
    EXPECT_NO_THROW(refreshPeripheralClocks(c.common, {}, c.device));
}

TEST(ClockRefresh, Lpc13xxCopiesToTimersAndPwmAndComputesSerialPorts) {
    ClockPanels c;
    c.device.singlePclkDivider = false;
    c.device.pclkDiv13xx = true;
    fillDividerLists(c.common, c.units, c.device);
    EXPECT_EQ(c.common.divider->count(), 255);
    EXPECT_EQ(c.divider(0).count(), 4) << "the counters keep the four fixed items";
    EXPECT_EQ(c.divider(6).count(), 255);
    c.common.divider->setItemIndex(3);
    c.divider(6).setItemIndex(1); // SPI 1/2
    c.divider(7).setItemIndex(0); // SSP0 1/1
    c.divider(8).setItemIndex(4); // SSP1 1/5
    c.divider(9).setItems({});    // SSP2 has no selection
    c.clock(9).setText("untouched");

    refreshPeripheralClocks(c.common, c.units, c.device);

    EXPECT_EQ(c.common.peripheral->text(), "15");
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

TEST(ClockRefresh, PanelsShowWhereTheDeviceHasDividersAndADividerChangeRunsTheFigures) {
    ClockPanels c;
    int figures = 0;
    const auto timer = declarePeripheralClockPanel(
        c.store, &c.form, "tp", "td", "tc", ClockGroup::CounterUnit, c.common, c.device, [&] { ++figures; });
    EXPECT_FALSE(timer.shownFor(c.device)) << "one divider for the whole device";
    c.device.singlePclkDivider = false;
    EXPECT_TRUE(timer.shownFor(c.device));
    EXPECT_TRUE(c.units[6].shownFor(c.device));
    c.device.pclkDiv13xx = true;
    EXPECT_FALSE(timer.shownFor(c.device));
    EXPECT_TRUE(c.units[6].shownFor(c.device));

    c.device.pclkDiv13xx = false;
    timer.divider->setItemIndex(2);
    EXPECT_EQ(timer.clock->text(), "30");
    EXPECT_EQ(figures, 1);
}

} // namespace
} // namespace regforge::periph
