#include "app/MainForm.h"
#include "model/Control.h"
#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

namespace regforge::app {
namespace {

using testing::ProgramFolder;

TEST(AboutPanel, EscapeOrAClickOutsideClosesIt) {
    ProgramFolder folder;
    MainForm& form = folder.start();
    auto& panel = form.store().get<model::Control>("about_panel");
    EXPECT_FALSE(form.closeAboutPanel()) << "nothing to close";
    form.store().get<model::Control>("about_button").click();
    ASSERT_TRUE(panel.visible());
    EXPECT_TRUE(form.closeAboutPanel());
    EXPECT_FALSE(panel.visible());
    form.about_buttonClick();
    EXPECT_TRUE(panel.visible()) << "the button still opens it";
}

} // namespace
} // namespace regforge::app
