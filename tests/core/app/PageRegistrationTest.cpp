#include "app/MainForm.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"
#include "support/GeneratedText.h"
#include "support/ProgramFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace regforge::app {
namespace {

// A page that writes down every whole-program step it takes part in.
class RecordingPage : public periph::Page {
public:
    RecordingPage(periph::PageContext& context, std::string name, std::vector<std::string>& log)
        : Page(context), name_(std::move(name)), log_(log) {
        clock_ = addClockPanel(store().find("Form1"), {name_ + "_panel", name_ + "_div", name_ + "_clock"},
                               periph::ClockGroup::SerialPort, [this] { record("figures after divider"); });
    }
    void clearDevice() override { record("clearDevice"); }
    void reset() override { record("reset"); }
    void applyDeviceFlags() override {
        Page::applyDeviceFlags();
        record(clock_.panel->visible() ? "flags, clock shown" : "flags, clock hidden");
    }
    void loadProfile() override { record("loadProfile " + device().deviceName); }
    void refreshFigures() override { record("refreshFigures " + clock_.clock->text()); }
    void generate(periph::ResultLists& lists) const override {
        lists.mainLines.push_back("/* " + name_ + " */");
        log_.push_back(name_ + ": generate");
    }
    const periph::PeripheralClockPanel& clock() const { return clock_; }

private:
    void record(const std::string& step) { log_.push_back(name_ + ": " + step); }
    std::string name_;
    std::vector<std::string>& log_;
    periph::PeripheralClockPanel clock_;
};

// A program folder with two devices of one pin each: PART has a divider per peripheral, ONE a
// single divider for the whole device.
class PageRegistration : public ::testing::Test {
protected:
    PageRegistration() {
        const std::string pin = "[PINSEL]\r\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,\r\n[IODIR]\r\n"
                                "IO0DIR,0\r\n";
        folder.addProfile("PART", "[LPC23xx]\r\n[MULTIPLEPCLKDIV]\r\n[INCLUDE]\r\nPART.h\r\n" + pin);
        folder.addProfile("ONE", "[LPC21xx]\r\n[INCLUDE]\r\nONE.h\r\n" + pin);
    }
    // The program's pages and recording pages with these names (their tabs' too) after them.
    std::vector<PageFactory> pagesWith(std::vector<const char*> names) {
        auto pages = programPages();
        for (const char* name : names)
            pages.push_back({{name, name}, [this, name](periph::PageContext& c) {
                                 return std::make_unique<RecordingPage>(c, name, log);
                             }});
        return pages;
    }
    std::vector<std::string> log;
    testing::ProgramFolder folder;
};

TEST_F(PageRegistration, AnAddedPageTakesPartInLoadRefreshAndResultInPageOrder) {
    auto& form = folder.start(pagesWith({"first", "second"}));
    ASSERT_EQ(form.pages().size(), programPages().size() + 2);
    log.clear();

    ASSERT_TRUE(folder.load("PART"));
    const std::vector<std::string> loaded = {"first: clearDevice",
                                             "second: clearDevice",
                                             "first: reset",
                                             "second: reset",
                                             "first: flags, clock shown",
                                             "second: flags, clock shown",
                                             "first: loadProfile PART",
                                             "second: loadProfile PART",
                                             "first: refreshFigures 7.5",
                                             "second: refreshFigures 7.5"};
    // The profile is tried on a window of its own first, then loaded into this one.
    std::vector<std::string> twice = loaded;
    twice.insert(twice.end(), loaded.begin(), loaded.end());
    EXPECT_EQ(log, twice) << "a serial port starts at 1/8 of the CPU clock";

    log.clear();
    form.store().get<model::NumericEdit>("pllclock_edit").setText("48");
    EXPECT_EQ(log, (std::vector<std::string>{"first: refreshFigures 6", "second: refreshFigures 6"}));

    log.clear();
    form.store().get<model::ComboBox>("second_div").setItemIndex(1);
    EXPECT_EQ(log, (std::vector<std::string>{"second: figures after divider"}));
    EXPECT_EQ(form.store().get<model::NumericEdit>("second_clock").text(), "12")
        << "a fixed-item divider: 1/4 of 48 MHz";

    log.clear();
    const CodeResult result = form.createCode();
    ASSERT_EQ(result.status, CodeResult::Status::Created);
    EXPECT_EQ(log, (std::vector<std::string>{"first: generate", "second: generate"}));
    const auto first = std::find(result.lines.begin(), result.lines.end(), "/* first */");
    ASSERT_NE(first, result.lines.end());
    ASSERT_NE(first + 1, result.lines.end());
    EXPECT_EQ(*(first + 1), "/* second */") << "the pages' parts follow one another in page order";
    EXPECT_EQ(&form.page<RecordingPage>(), form.pages()[programPages().size()].get());
}

TEST_F(PageRegistration, ClockPanelsFollowTheDeviceDividers) {
    auto& form = folder.start(pagesWith({"p"}));
    ASSERT_TRUE(folder.load("ONE"));
    EXPECT_FALSE(form.page<RecordingPage>().clock().panel->visible()) << "one divider for the whole device";
    EXPECT_EQ(form.page<RecordingPage>().clock().clock->text(), "15");
    ASSERT_TRUE(folder.load("PART"));
    EXPECT_TRUE(form.page<RecordingPage>().clock().panel->visible());
}

TEST_F(PageRegistration, AnAddedPageHasItsTabBeforeTheResultAndShowsTheClockBarItAsksFor) {
    auto pages = programPages();
    pages.push_back(
        {{"Extra_page", "Extra", true, &periph::commonDividerUnlessPerUnit},
         [this](periph::PageContext& c) { return std::make_unique<RecordingPage>(c, "extra", log); }});
    auto& form = folder.start(std::move(pages));
    auto& tabs = form.store().get<model::PageControl>("pagecontrol1");
    std::vector<std::string> captions;
    for (const model::Control* tab : tabs.children())
        captions.push_back(tab->name() + " " + tab->caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"IO_page I/O", "Clocks_page Clocks", "TabSheet1 Interrupts",
                                                  "TabSheet2 ADC", "TabSheet4 Timers", "TabSheet5 PWM",
                                                  "TabSheet6 SPI/SSP", "Uart_page UART", "TabSheetI2C I2C",
                                                  "Extra_page Extra", "Result_page Result"}));

    ASSERT_TRUE(folder.load("PART"));
    const auto visible = [&](const char* name) { return form.store().get<model::Control>(name).visible(); };
    const auto extra = static_cast<int>(programPages().size());
    tabs.setActivePageIndex(extra);
    EXPECT_TRUE(visible("ClockPanel"));
    EXPECT_FALSE(visible("pclk_div")) << "its units have dividers of their own";
    tabs.setActivePageIndex(extra + 1);
    EXPECT_FALSE(visible("ClockPanel"));
    EXPECT_TRUE(visible("pclk_div"));
}

} // namespace
} // namespace regforge::app
