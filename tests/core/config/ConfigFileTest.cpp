#include "config/ConfigFile.h"

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"
#include "support/GeneratedText.h"

#include <gtest/gtest.h>

namespace regforge::config {
namespace {

using model::ControlKind;

std::string joined(const Lines& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

Lines split(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// A small window with one control of every saved kind and a few that are never saved; no page
// writes or restores a record of its own here, so every record follows its control's kind.
class ConfigFileTest : public ::testing::Test {
protected:
    ConfigFileTest() {
        auto& form = store.add<model::Form>("Form1");
        auto& devices = store.add<model::ComboBox>("mcu_ComboBox", &form);
        devices.setTag(-1);
        devices.setItems({"LPC2148", "LPC1768"});
        store.add<model::Tree>("IO_Treeview", &form).addNode(-1, "P0.0");
        group = &store.addPlain(ControlKind::GroupBox, "T0_groupbox", &form);
        enable = &store.add<model::CheckBox>("T0_checkbox", group);
        slave = &store.add<model::RadioButton>("SPISlave_radio", group);
        mode = &store.add<model::ComboBox>("T0CTCR10", &form);
        mode->setTag(310);
        match = &store.add<model::NumericEdit>("T0MR0", &form);
        match->setValueKind(model::ValueKind::HexValue);
        match->setMaxLength(8);
        match->setMinimumDigits(8);
        divider = &store.add<model::NumericEdit>("clkdiv0", &form);
        divider->setValueKind(model::ValueKind::Numeric);
        channel = &store.addPlain(ControlKind::Label, "PWM0_label1", &form);
        channel->setTag(701);
        store.addPlain(ControlKind::Label, "Label9", &form, "not saved: tag 0");
        unitPanel = &store.addPlain(ControlKind::Panel, "T0_panel", &form);
        store.addPlain(ControlKind::Panel, "T0_cover", &form).setTag(-1);
        stopItem = &store.add<model::MenuItem>("StopOnMatch",
                                               &store.addPlain(ControlKind::PopupMenu, "Popup", &form));
        openDrain = &store.add<model::CheckListBox>("OpenDrainCheckListBox", &form);
        slots = &store.add<model::Playlist>("ISR_ListBox", &form);
        store.addPlain(ControlKind::Button, "SpeedButton5", &form, "Add as Fast IRQ");
        use = &store.add<model::ToggleButton>("ReplaceUseButton", &form);
        lists = &store.add<model::ComboBox>("ReplaceFileSelectComboBox", &form);
        lists->setTag(-1);
        lists->setItems({"keil"});
        device.deviceName = "LPC2148";
        defaults();
    }

    // What a device load leaves.
    void defaults() {
        for (model::Control* c : store.all()) {
            c->setEnabled(true);
            c->setVisible(c != unitPanel);
        }
        enable->setChecked(false);
        slave->setChecked(false);
        mode->setItems({"Timer", "Counter rising", "Counter falling"});
        mode->setItemIndex(0);
        match->setText("0");
        divider->setText("0");
        channel->setCaption("off");
        openDrain->setItems({"P0.2", "P0.3", "P0.4"});
        slots->setItems({});
    }

    // Every saved control away from its default.
    void configure() {
        group->setEnabled(false);
        enable->setChecked(true);
        enable->setEnabled(false);
        slave->setChecked(true);
        mode->setItemIndex(2);
        mode->setEnabled(false);
        mode->setVisible(false);
        match->setText("1f");
        divider->setText("17");
        channel->setCaption("PWM0 output: single edge");
        channel->setEnabled(false);
        unitPanel->setVisible(true);
        stopItem->setChecked(true);
        openDrain->setChecked(0, true);
        openDrain->setChecked(2, true);
        slots->setItems({"UART0", "TIMER0"});
        lists->setText("keil");
        use->setDown(true);
    }

    void restore(const std::string& text) {
        const Lines file = split(text);
        restoreRecords(periph::SavedRecords(file), store, {});
    }

    model::ControlStore store;
    profile::DeviceState device;
    model::ComboBox *mode, *lists;
    model::Control *group, *channel, *unitPanel;
    model::CheckBox* enable;
    model::RadioButton* slave;
    model::NumericEdit *match, *divider;
    model::MenuItem* stopItem;
    model::CheckListBox* openDrain;
    model::Playlist* slots;
    model::ToggleButton* use;
};

TEST_F(ConfigFileTest, SavedFileHoldsOneRecordPerSavedControlInDeclarationOrder) {
    configure();
    // One record per line here; a tree has no rule of its kind (its page writes it).
    EXPECT_EQ(joined(buildConfiguration(store, device, {})),
              regforge::testing::expectedText(
                  "ConfigFileTest/SavedFileHoldsOneRecordPerSavedControlInDeclarationOrder"));
}

TEST_F(ConfigFileTest, RestoringTheSavedLinesGivesEveryValueBack) {
    configure();
    const Lines saved = buildConfiguration(store, device, {});
    defaults();
    stopItem->setChecked(false);
    restoreRecords(periph::SavedRecords(saved), store, {});
    EXPECT_EQ(match->shownText(), "0x0000001F");
    EXPECT_EQ(buildConfiguration(store, device, {}), saved);
}

TEST_F(ConfigFileTest, RecordsAreFoundIgnoringCaseAndMenuItemsWithoutOneAreUnchecked) {
    stopItem->setChecked(true);
    restore("[profile]\nLPC2148\n[t0_CHECKBOX]\n1\n1\n0\n[T0MR0]\nabc\n0\n1\n[T0mr0]\n1\n1\n1\n"
            "[mcu_ComboBox]\n1\n1\n1\n[ISR_ListBox]\nEINT0\n \n");
    EXPECT_TRUE(enable->checked());
    EXPECT_TRUE(enable->visible()) << "a check box's visibility is written but not restored";
    EXPECT_EQ(match->shownText(), "0x00000ABC") << "the first record of a name counts";
    EXPECT_FALSE(match->enabled());
    EXPECT_FALSE(stopItem->checked()) << "a menu item without a record is unchecked";
    EXPECT_EQ(mode->itemIndex(), 0) << "other controls without a record keep the device load's value";
    EXPECT_EQ(store.get<model::ComboBox>("mcu_ComboBox").itemIndex(), -1)
        << "the device list is not restored";
    EXPECT_EQ(slots->items(), (std::vector<std::string>{"EINT0", " "}));
}

TEST_F(ConfigFileTest, ABadValueStopsTheRestoreKeepingWhatWasApplied) {
    // In declaration order the check box comes before the broken combo, the edit after it.
    EXPECT_THROW(restore("[T0_checkbox]\n1\n1\n1\n[T0CTCR10]\ntwo\n1\n1\n[clkdiv0]\n99\n1\n1\n"),
                 ConfigDataError);
    EXPECT_TRUE(enable->checked()) << "applied before the failure";
    EXPECT_EQ(divider->text(), "0") << "not reached";

    EXPECT_THROW(restore("[clkdiv0]\n5\n"), ConfigDataError) << "a record that ends early";
    EXPECT_THROW(restore("[OpenDrainCheckListBox]\n0\n1\n1\n1\n"), ConfigDataError);
    EXPECT_TRUE(openDrain->checked(2)) << "marks before the surplus line stay";
    EXPECT_FALSE(openDrain->checked(0)) << "a line not starting with 1 leaves its mark";
}

} // namespace
} // namespace regforge::config
