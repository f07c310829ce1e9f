// A page added the way a new page is added: its own class and one registration line. It has a
// unit with a switch and a clock panel, a register edit with a popup row, a profile section, a
// record it saves itself and a load correction, and takes part in every step of the program.
#include "app/ConfigurationCommands.h"
#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumberText.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"
#include "profile/ProfileSections.h"
#include "support/ProgramFolder.h"
#include "tools/EditPopup.h"

#include <gtest/gtest.h>

namespace regforge::app {
namespace {

class FixturePage : public periph::Page {
public:
    static constexpr periph::PageTab kTab{"FixtureSheet", "Fixture", true};

    explicit FixturePage(periph::PageContext& context) : Page(context) {
        auto* page = store().find(kTab.name);
        unit_ = &store().add<model::CheckBox>("FX0_checkbox", page);
        unit_->setCaption("Fixture0");
        addUnitSwitch(unit_);
        clock_ = addClockPanel(page, {"FX0_clock_panel", "FX0_div", "FX0_clock"},
                               periph::ClockGroup::SerialPort, [this] { refreshFigures(); });
        divider_ = &store().add<model::NumericEdit>("FX0DIV", page);
        divider_->setValueKind(model::ValueKind::Numeric);
        divider_->setTag(9901);
        periph::EditPopupRow row = periph::EditPopupRow::plainRegister(divider_);
        row.frequencyCalculator = [] { return periph::FrequencyCalculator::Offered; };
        row.calculatorTarget = true;
        row.frequencyStart = [] { return periph::CalculatorStart{}; };
        addEditPopupRow(std::move(row));
        marks_ = &store().add<model::Tree>("FX0_marks", page);
    }

    void reset() override {
        unit_->setChecked(false);
        divider_->setText("1");
    }
    // [FIXTURE]: how many marks the unit has.
    void loadProfile() override {
        marks_->clear();
        const auto count = model::parseInt32(profile::lineAfter(device().profileLines, "[FIXTURE]"));
        if (!count)
            throw profile::ProfileError("[FIXTURE] needs a count");
        for (int i = 0; i < *count; ++i)
            marks_->addNode(-1, "mark" + std::to_string(i));
    }
    void refreshFigures() override { unitClockMHz = model::parseFloat(clock_.clock->text()).value_or(0); }
    void generate(periph::ResultLists& lists) const override {
        if (unit_->checked())
            lists.mainLines.push_back("FX0DIV = " + divider_->text() + ";");
    }
    // The marks' states, one line per mark.
    bool saveRecord(const model::Control& control, periph::SavedLines& out) const override {
        if (&control != marks_)
            return false;
        out.push_back(periph::recordHeader(marks_->name()));
        for (const auto& node : marks_->nodes())
            out.push_back(std::to_string(node.stateIndex));
        return true;
    }
    void restoreFirst(const periph::SavedRecords& records) override {
        if (const auto saved = records.find(marks_->name()))
            for (int i = 0; i < marks_->count(); ++i)
                marks_->setStateIndex(i, saved->integer(static_cast<std::size_t>(i) + 1));
    }
    // A divider of 0 stops the unit: it is left off.
    void correctLoadedSetup(periph::LoadCorrections& corrections) override {
        if (unit_->checked() && divider_->text() == "0") {
            unit_->setChecked(false);
            corrections.unitsSwitchedOff.push_back(unit_->caption());
        }
    }

    model::CheckBox* unit_ = nullptr;
    model::NumericEdit* divider_ = nullptr;
    model::Tree* marks_ = nullptr;
    periph::PeripheralClockPanel clock_;
    double unitClockMHz = 0;
};

TEST(FixturePage, ARegisteredPageTakesPartInEveryStep) {
    testing::ProgramFolder folder;
    const std::string pin =
        "[PINSEL]\r\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,\r\n[IODIR]\r\nIO0DIR,0\r\n";
    folder.addProfile("PART", "[LPC23xx]\r\n[MULTIPLEPCLKDIV]\r\n[INCLUDE]\r\nPART.h\r\n" + pin +
                                  "[FIXTURE]\r\n3\r\n");
    folder.addProfile("BAD", "[LPC23xx]\r\n[INCLUDE]\r\nBAD.h\r\n" + pin + "[FIXTURE]\r\nthree\r\n");
    auto pages = programPages();
    pages.push_back(pageOf<FixturePage>());
    MainForm& form = folder.start(std::move(pages));
    auto& page = form.page<FixturePage>();
    EXPECT_EQ(form.tabs()[programPages().size()].tab.caption, std::string("Fixture"));

    // Device load: the page's section is read; a section it cannot use fails the load.
    ASSERT_TRUE(folder.load("PART"));
    EXPECT_EQ(page.marks_->count(), 3);
    EXPECT_TRUE(page.clock_.panel->visible());
    EXPECT_FALSE(folder.load("BAD"));
    EXPECT_EQ(form.device().deviceName, "PART") << "the failed load kept the device";

    // Clock refresh: the unit's clock follows the CPU clock and its own divider.
    form.store().get<model::NumericEdit>("pllclock_edit").setText("48");
    page.clock_.divider->setItemIndex(page.clock_.divider->indexOf("1/2"));
    EXPECT_DOUBLE_EQ(page.unitClockMHz, 24.0);

    // Result: the page's part in page order, after the program's own pages.
    page.unit_->setChecked(true);
    page.divider_->setText("7");
    const CodeResult code = form.createCode();
    ASSERT_EQ(code.status, CodeResult::Status::Created);
    const auto line = std::find(code.lines.begin(), code.lines.end(), "FX0DIV = 7;");
    EXPECT_NE(line, code.lines.end());

    // Popup: the divider carries the popup and its calculator.
    EXPECT_TRUE(form.editPopup().carriesPopup(*page.divider_));
    form.editPopup().MivoEditEnter(*page.divider_);
    form.editPopup().CalcFromFreqPopupClick();
    EXPECT_EQ(folder.ui.calculatorRuns, 1);

    // Save and restore: the page's own record among the generic ones, and back.
    page.marks_->setStateIndex(1, 4);
    const auto path = folder.dir.path() / "fixture.sav";
    ASSERT_TRUE(form.configuration().saveConfiguration(path));
    const std::string saved = folder.dir.read("fixture.sav");
    EXPECT_NE(saved.find("\r\n[FX0_checkbox]\r\n1\r\n1\r\n1\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n[FX0DIV]\r\n7\r\n1\r\n1\r\n[FX0_marks]\r\n-1\r\n4\r\n-1\r\n["),
              std::string::npos);
    folder.ui.messages.clear();
    ASSERT_EQ(form.configuration().loadConfiguration(path), config::LoadOutcome::Loaded);
    EXPECT_EQ(page.marks_->node(1).stateIndex, 4);
    EXPECT_TRUE(page.unit_->checked());
    EXPECT_DOUBLE_EQ(page.unitClockMHz, 24.0) << "the load refreshed the clocks";
    EXPECT_EQ(folder.dir.read("fixture.sav"), saved);

    // Corrections: the page's own, named in the load's warning.
    page.divider_->setText("0");
    ASSERT_TRUE(form.configuration().saveConfiguration(path));
    folder.ui.messages.clear();
    ASSERT_EQ(form.configuration().loadConfiguration(path), config::LoadOutcome::Loaded);
    EXPECT_FALSE(page.unit_->checked());
    ASSERT_EQ(folder.ui.messages.size(), 2u);
    EXPECT_EQ(folder.ui.messages[1].caption, "Units not on this device");
    EXPECT_EQ(folder.ui.messages[1].text, "This file switches on units that PART does not have: Fixture0\n"
                                          "They are left off, and no code is generated for them.");
}

} // namespace
} // namespace regforge::app
