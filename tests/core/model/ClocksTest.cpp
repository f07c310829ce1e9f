#include "model/Clocks.h"

#include "model/ComboBox.h"
#include "model/ControlStore.h"
#include "model/NumericEdit.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace regforge::model {
namespace {

const std::vector<std::string> kFixedItems = {"1/8", "1/4", "1/2", "1/1"};

std::vector<std::string> indexedItems(int count) {
    std::vector<std::string> items;
    for (int n = 1; n <= count; ++n)
        items.push_back("1/" + std::to_string(n));
    return items;
}

NumericEdit& addClockEdit(ControlStore& store, std::string_view name, Control* parent,
                          const std::string& text) {
    auto& edit = store.add<NumericEdit>(std::string(name), parent);
    edit.setValueKind(ValueKind::Float);
    edit.setMaximumValue(200);
    edit.setText(text);
    return edit;
}

ComboBox& addDivider(ControlStore& store, std::string_view name, Control* parent,
                     const std::vector<std::string>& items, int index) {
    auto& combo = store.add<ComboBox>(std::string(name), parent);
    combo.setItems(items);
    combo.setItemIndex(index);
    return combo;
}

// The clock panel and all ten peripheral pairs with the window's defaults.
struct ClockControls {
    ControlStore store;
    Control& form = store.add<Control>(ControlKind::Form, "Form1", nullptr);
    NumericEdit& cpu = addClockEdit(store, kCpuClockEdit, &form, "60");
    ComboBox& common = addDivider(store, kCommonDivider, &form, kFixedItems, 1);
    NumericEdit& commonClock = addClockEdit(store, kCommonClockEdit, &form, "15");

    ClockControls() {
        for (const auto& pair : kPeripheralClocks) {
            addDivider(store, pair.divider, &form, kFixedItems, 1);
            addClockEdit(store, pair.clock, &form, "15");
        }
    }
    ComboBox& divider(std::size_t i) { return store.get<ComboBox>(kPeripheralClocks[i].divider); }
    NumericEdit& clock(std::size_t i) { return store.get<NumericEdit>(kPeripheralClocks[i].clock); }

    // The common clock computed from a CPU clock text and a divider index.
    std::string commonFrom(const std::string& cpuText, int index, bool perPeripheral = false) {
        cpu.setText(cpuText);
        common.setItemIndex(index);
        commonClock.setText("1");
        peripheralClock(cpu, common, commonClock, perPeripheral);
        return commonClock.text();
    }
};

TEST(PeripheralClock, FixedItemsDivideByEightFourTwoOne) {
    ClockControls c;
    EXPECT_EQ(c.commonFrom("60", 0), "7.5");
    EXPECT_EQ(c.commonFrom("60", 1), "15");
    EXPECT_EQ(c.commonFrom("60", 3), "60");
    EXPECT_EQ(c.commonFrom("12.5", 0), "1.5625");
    EXPECT_EQ(c.commonFrom("0.000001", 0), "0"); // 0.000000125 rounds away at six decimals
}

TEST(PeripheralClock, CpuClockOutsideTheRangeLeavesTheOutput) {
    ClockControls c;
    EXPECT_EQ(c.commonFrom("200", 1), "50");
    c.cpu.setMaximumValue(0); // the panel would clamp 200.5; the arithmetic must refuse it too
    EXPECT_EQ(c.commonFrom("200.5", 1), "1");
    EXPECT_EQ(c.commonFrom("0", 1), "1");
    EXPECT_EQ(c.commonFrom("abc", 1), "1");
    c.cpu.setValueKind(ValueKind::SgnFloat);
    c.cpu.setMinimumValue(-1000);
    EXPECT_EQ(c.commonFrom("-60", 1), "1");
}

TEST(PeripheralClock, PerPeripheralDividersDivideByIndexPlusOne) {
    ClockControls c;
    c.common.setItems(indexedItems(255));
    EXPECT_EQ(c.commonFrom("60", 2, true), "20");
    EXPECT_EQ(c.commonFrom("100", 2, true), "33.333333");
    EXPECT_EQ(c.commonFrom("200", 254, true), "0.784314");
    // The same fifth item means nothing to the fixed "1/8" .. "1/1" list.
    EXPECT_EQ(c.commonFrom("60", 4, true), "12");
    EXPECT_EQ(c.commonFrom("60", 4), "1");
    EXPECT_EQ(c.commonFrom("60", -1, true), "1");
    EXPECT_EQ(c.commonFrom("60", -1), "1");
}

TEST(Clocks, CommonDividerReachesEveryPeripheral) {
    ClockControls c;
    c.common.setItemIndex(2);
    c.commonClock.setText("30");
    // A divider's own change handler recomputes its clock; the common text must win.
    c.divider(0).changed.connect([&](Control&) { c.clock(0).setText("99"); });

    applyCommonPclkDivider(c.store);

    for (std::size_t i = 0; i < kPeripheralClocks.size(); ++i) {
        EXPECT_EQ(c.divider(i).itemIndex(), 2) << kPeripheralClocks[i].divider;
        EXPECT_EQ(c.clock(i).text(), "30") << kPeripheralClocks[i].clock;
    }
}

TEST(Clocks, ControlsNotYetDeclaredAreSkipped) {
    ControlStore store;
    auto& form = store.add<Control>(ControlKind::Form, "Form1", nullptr);
    addDivider(store, kCommonDivider, &form, kFixedItems, 0);
    addClockEdit(store, kCommonClockEdit, &form, "7.5");
    auto& ssp1Divider = addDivider(store, "SSP1pclk_div", &form, kFixedItems, 1);
    auto& ssp1Clock = addClockEdit(store, "SSP1pclock_edit", &form, "15");
    auto& t2Clock = addClockEdit(store, "T2pclock_edit", &form, "15");

    applyCommonPclkDivider(store);
    EXPECT_EQ(ssp1Divider.itemIndex(), 0);
    EXPECT_EQ(ssp1Clock.text(), "7.5");
    EXPECT_EQ(t2Clock.text(), "7.5");

    // Without the CPU clock the serial ports keep their clocks.
    ssp1Clock.setText("15");
    t2Clock.setText("15");
    applyPclkDivider13xx(store, true);
    EXPECT_EQ(t2Clock.text(), "7.5");
    EXPECT_EQ(ssp1Clock.text(), "15");

    ControlStore empty;
    EXPECT_NO_THROW(applyCommonPclkDivider(empty));
    EXPECT_NO_THROW(applyPclkDivider13xx(empty, true));
}

TEST(Clocks, Lpc13xxCopiesToTimersAndPwmAndComputesSerialPorts) {
    ClockControls c;
    for (const char* name : {"pclk_div", "SPIpclk_div", "SSP0pclk_div", "SSP1pclk_div", "SSP2pclk_div"})
        c.store.get<ComboBox>(name).setItems(indexedItems(255));
    c.common.setItemIndex(3);
    c.commonClock.setText("15");
    c.divider(6).setItemIndex(1);    // SPI 1/2
    c.divider(7).setItemIndex(0);    // SSP0 1/1
    c.divider(8).setItemIndex(4);    // SSP1 1/5
    c.clock(9).setText("untouched"); // SSP2 has no selection

    applyPclkDivider13xx(c.store, true);

    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(c.divider(i).itemIndex(), 3) << kPeripheralClocks[i].divider;
        EXPECT_EQ(c.clock(i).text(), "15") << kPeripheralClocks[i].clock;
    }
    EXPECT_EQ(c.clock(6).text(), "30");
    EXPECT_EQ(c.clock(7).text(), "60");
    EXPECT_EQ(c.clock(8).text(), "12");
    EXPECT_EQ(c.clock(9).text(), "untouched");
    EXPECT_EQ(c.divider(6).itemIndex(), 1); // the serial ports keep their own dividers
}

} // namespace
} // namespace regforge::model
