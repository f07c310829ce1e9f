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

// The CPU clock and the common divider with their defaults.
struct ClockControls {
    ControlStore store;
    Control& form = store.add<Control>(ControlKind::Form, "Form1", nullptr);
    NumericEdit& cpu = addClockEdit(store, "pllclock_edit", &form, "60");
    ComboBox& common = addDivider(store, "pclk_div", &form, kFixedItems, 1);
    NumericEdit& commonClock = addClockEdit(store, "pclock_edit", &form, "15");

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

} // namespace
} // namespace regforge::model
