#include "app/MainForm.h"
#include "model/Containers.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace regforge::tools {
namespace {

class PageChange : public ::testing::Test {
protected:
    PageChange() : form(ui, folder.path()) {
        folder.write("include/x.ini", "");
        form.FormCreate();
        form.scrollToTop.connect([this] { ++scrolls; });
    }
    void show(int page) { form.store().get<model::PageControl>("pagecontrol1").setActivePageIndex(page); }
    bool visible(const char* name) { return form.store().find(name)->visible(); }

    testing::TempDir folder;
    testing::FakeUi ui;
    app::MainForm form;
    int scrolls = 0;
};

TEST_F(PageChange, ClockPanelShowsOnPeripheralPagesOnly) {
    EXPECT_FALSE(visible("ClockPanel")) << "the I/O page is first";
    for (int page : {1, 3, 4, 5, 6, 7, 8}) {
        show(page);
        EXPECT_TRUE(visible("ClockPanel")) << page;
        EXPECT_TRUE(visible("pclk_div")) << "one common divider by default";
    }
    for (int page : {9, 2, 0}) {
        show(page);
        EXPECT_FALSE(visible("ClockPanel")) << page;
    }
    EXPECT_EQ(scrolls, 10);
}

TEST_F(PageChange, PerPeripheralDividersHideTheCommonDivider) {
    form.device().singlePclkDivider = false;
    show(5);
    EXPECT_TRUE(visible("ClockPanel"));
    EXPECT_TRUE(visible("pllclock_edit"));
    for (const char* name : {"Label4", "pclk_div", "pclock_edit", "Label3"})
        EXPECT_FALSE(visible(name)) << name;
    show(3);
    EXPECT_TRUE(visible("pclk_div")) << "the ADC page keeps it";

    form.device().pclkDiv13xx = true; // 13xx: timers and PWM share the common divider
    show(4);
    EXPECT_TRUE(visible("pclk_div"));
    show(6);
    EXPECT_FALSE(visible("pclk_div"));
}

} // namespace
} // namespace regforge::tools
