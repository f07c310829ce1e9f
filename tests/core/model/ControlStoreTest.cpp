#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/ControlStore.h"

#include <gtest/gtest.h>

namespace regforge::model {
namespace {

TEST(ControlStore, KeepsDeclarationOrderAndFindsNamesIgnoringCase) {
    ControlStore store;
    auto& form = store.add<Control>(ControlKind::Form, "Form1", nullptr);
    auto& page = store.addPlain(ControlKind::Page, "IO_page", &form, "I/O");
    auto& box = store.add<CheckBox>("T0_checkbox", &page);
    box.setTag(300);
    store.add<ComboBox>("pclk_div", &page);

    ASSERT_EQ(store.size(), 4u);
    EXPECT_EQ(store.all()[2]->name(), "T0_checkbox");
    EXPECT_EQ(store.find("t0_CHECKBOX"), &box);
    EXPECT_EQ(store.find("missing"), nullptr);
    EXPECT_EQ(store.firstWithTag(300), &box);
    EXPECT_EQ(&store.get<CheckBox>("T0_checkbox"), &box);
    EXPECT_THROW(store.get<ComboBox>("T0_checkbox"), std::logic_error);
    EXPECT_THROW(store.add<CheckBox>("t0_checkbox", &page), std::logic_error);
}

} // namespace
} // namespace regforge::model
