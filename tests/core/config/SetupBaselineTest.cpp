#include "config/SetupBaseline.h"

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"

#include <gtest/gtest.h>

namespace regforge::config {
namespace {

// Each comparison rereads only what changed since the one before, so it must still see a change
// made before an earlier comparison, and let go of it only once every change is undone.
TEST(SetupBaseline, ComparesWhatASaveWritesAcrossManyComparisons) {
    model::ControlStore store;
    profile::DeviceState device;
    auto& form = store.add<model::Control>(model::ControlKind::Form, "Form1", nullptr);
    auto& box = store.add<model::CheckBox>("box", &form);
    auto& edit = store.add<model::NumericEdit>("edit", &form);
    auto& combo = store.add<model::ComboBox>("combo", &form);
    combo.setItems({"a", "b"});
    const Pages noPages;
    SetupBaseline baseline(store, device, noPages);
    baseline.take();
    EXPECT_FALSE(baseline.differs()) << "no device, no set-up to lose";

    device.deviceName = "LPC2148";
    device.profileLines = {"[INCLUDE]"};
    baseline.take();
    EXPECT_FALSE(baseline.differs());
    box.setChecked(true);
    EXPECT_TRUE(baseline.differs());
    edit.setText("12");
    EXPECT_TRUE(baseline.differs());
    box.setChecked(false);
    EXPECT_TRUE(baseline.differs()) << "the edit still differs";
    edit.setText("");
    EXPECT_FALSE(baseline.differs());
    edit.setEnabled(false);
    EXPECT_TRUE(baseline.differs()) << "a save writes the enabled flag too";
    edit.setEnabled(true);
    combo.setItemIndex(1);
    combo.setItemIndex(-1);
    EXPECT_FALSE(baseline.differs()) << "changed and back between two comparisons";

    box.setChecked(true);
    baseline.take();
    EXPECT_FALSE(baseline.differs()) << "a save is the new point of comparison";
    baseline.forget();
    EXPECT_TRUE(baseline.differs()) << "nothing saved matches a half-applied load";
    device.deviceName = "LPC2138";
    baseline.take();
    device.deviceName = "LPC2148";
    EXPECT_TRUE(baseline.differs()) << "another device";
}

} // namespace
} // namespace regforge::config
