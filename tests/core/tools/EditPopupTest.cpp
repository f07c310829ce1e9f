#include "tools/EditPopup.h"

#include "app/MainForm.h"
#include "app/ProgramPages.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"
#include "tools/Calculator.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace regforge::tools {
namespace {

using testing::FakeUi;

// Choosing `unit` and typing `value` into the calculator, then Apply.
std::function<bool(Calculator&)> userApplies(const std::string& value, int unit) {
    return [value, unit](Calculator& c) {
        c.frequencyCombo().setItemIndex(unit);
        c.frequencyEdit().setText(value);
        return true;
    };
}

// What the calculator was handed: input clock, start value, unit item, limit, offset.
std::string startOf(Calculator& c) {
    return c.pclockEdit().text() + " " + c.frequencyEdit().text() + " " +
           std::to_string(c.frequencyCombo().itemIndex()) + " " + std::to_string(c.registerMax()) + " " +
           std::to_string(c.registerOffset());
}

// The main window with its timers (a 32-bit Timer0, a 16-bit Timer1), its A/D dividers, its PWM
// units and the serial ports' dividers.
class EditPopupTest : public ::testing::Test {
protected:
    EditPopupTest() : form(ui, folder.path()), popup(form.editPopup()) {
        edit("T1PR").setMaxLength(4); // as the device load sets a 16-bit timer
    }

    model::NumericEdit& edit(const std::string& name) { return form.store().get<model::NumericEdit>(name); }
    model::MenuItem& item(const std::string& name) { return form.store().get<model::MenuItem>(name); }

    testing::TempDir folder;
    FakeUi ui;
    app::MainForm form;
    EditPopup& popup;
};

TEST_F(EditPopupTest, EnteringAnEditSetsTheContextAndOnlyCalculatorEditsBecomeTheTarget) {
    popup.MivoEditEnter(edit("T0PR"));
    EXPECT_EQ(form.editContext().activeEditTag, 351);
    EXPECT_EQ(form.editContext().activeEditMaxLength, 8);
    EXPECT_EQ(form.editContext().calcTargetEdit, &edit("T0PR"));
    popup.MivoEditEnter(edit("T0TC"));
    EXPECT_EQ(form.editContext().activeEditTag, 350);
    EXPECT_EQ(form.editContext().calcTargetEdit, &edit("T0PR"));
    popup.MivoEditEnter(edit("T0MR1"));
    EXPECT_EQ(form.editContext().calcTargetEdit, &edit("T0MR1"));
    popup.MivoEditEnter(edit("T1PR"));
    EXPECT_EQ(form.editContext().activeEditMaxLength, 4);
    EXPECT_EQ(form.editContext().calcTargetEdit, &edit("T1PR"));
}

TEST_F(EditPopupTest, PopupOffersTheItemsThatSuitTheEnteredEdit) {
    // "calculate shown, calculate enabled, insert shown, samples shown" as four letters.
    auto offered = [&](const std::string& name) {
        popup.MivoEditEnter(edit(name));
        popup.IntegerInputPopupPopup();
        std::string s;
        for (const bool on :
             {item("CalcFromFreqPopup").visible(), item("CalcFromFreqPopup").enabled(),
              item("InsertIntegterPopup").visible(), item("CalculateFromSamplesAD").visible()})
            s += on ? 'y' : 'n';
        return s;
    };
    EXPECT_EQ(offered("T0MR1"), "yyyn");
    EXPECT_EQ(offered("T0TC"), "nyyn");
    EXPECT_EQ(offered("T0PR"), "yyyn");
    form.store().get<model::ComboBox>("T0CTCR10").setItemIndex(1);
    EXPECT_EQ(offered("T0PR"), "ynyn") << "a timer counting pulses has no clock to calculate from";
    EXPECT_EQ(offered("T0MR1"), "ynyn");
    EXPECT_EQ(offered("clkdiv0"), "yyny") << "each opening starts afresh";
    EXPECT_EQ(offered("SSP0SCR_edit"), "yynn");
    EXPECT_EQ(offered("SSP2CPSDVSR_edit"), "yynn");
    EXPECT_EQ(offered("SPIClockCounter_edit"), "yynn");

    EXPECT_EQ(offered("PWM0TC"), "nyyn");
    EXPECT_EQ(offered("PWM0MR0"), "nyyn");
    form.store().get<model::CheckBox>("PWM0TCR_EnPWM").setChecked(true);
    EXPECT_EQ(offered("PWM0MR0"), "yyyn");
    form.store().get<model::ComboBox>("PWM0CTCR10").setItemIndex(2);
    EXPECT_EQ(offered("PWM0MR0"), "ynyn");
}

TEST_F(EditPopupTest, DecimalPromptAsksUntilTheNumberFitsTheRegister) {
    popup.MivoEditEnter(edit("T1PR"));
    ui.inputs = {"65536", "12x", "-1", "65535"};
    popup.insertDecimalValueClick();
    EXPECT_EQ(edit("T1PR").shownText(), "0xFFFF");
    ASSERT_EQ(ui.prompts.size(), 4u);
    EXPECT_EQ(ui.prompts[0], "Please insert the decimal number: 0 to 65535");
    // Each refused answer says why before the question comes back.
    const std::string refused =
        "Warning: Insert decimal value: Please enter a whole number from 0 to 65535.\n";
    EXPECT_EQ(ui.said(), refused + refused + refused);

    popup.MivoEditEnter(edit("T0MR1"));
    ui.messages.clear();
    ui.inputs = {"4294967296", "4294967295"};
    popup.insertDecimalValueClick();
    EXPECT_EQ(ui.said(),
              "Warning: Insert decimal value: Please enter a whole number from 0 to 4294967295.\n");
    EXPECT_EQ(edit("T0MR1").shownText(), "0xFFFFFFFF");
    EXPECT_EQ(ui.prompts.back(), "Please insert the decimal number: 0 to 4294967295");
    // Cancelling answers the default: the register becomes zero.
    ui.inputs = {std::nullopt};
    popup.insertDecimalValueClick();
    EXPECT_EQ(edit("T0MR1").shownText(), "0x00000000");
}

TEST_F(EditPopupTest, NothingEnteredAsksNothing) {
    ui.calculator = userApplies("1", 2);
    popup.insertDecimalValueClick();
    popup.CalcFromFreqPopupClick();
    EXPECT_TRUE(ui.prompts.empty());
    EXPECT_EQ(ui.calculatorRuns, 0);
}

TEST_F(EditPopupTest, PrescalerWithOneKilohertzWantedAtFifteenMegahertz) {
    std::string seen;
    ui.calculator = [&](Calculator& c) {
        seen = startOf(c) + " " + c.resultText();
        return userApplies("1", 2)(c);
    };
    popup.MivoEditEnter(edit("T0PR"));
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(seen, "15 15 3 4294967295 1 0") << "clock, start value, MHz, limit, offset, result shown";
    EXPECT_EQ(edit("T0PR").shownText(), "0x00003A97");

    ui.calculator = [](Calculator& c) { return !userApplies("2", 2)(c); };
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("T0PR").shownText(), "0x00003A97") << "Abort changes nothing";

    ui.calculator = [](Calculator& c) {
        c.resultLabel().setCaption("-1");
        return true;
    };
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("T0PR").shownText(), "0x00003A97") << "a negative result leaves the prescaler";
    ui.calculator = [](Calculator& c) {
        c.resultLabel().setCaption("none");
        return true;
    };
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("T0PR").shownText(), "0x00000000") << "a result that is no number clears it";

    // With the frequency emptied there is no result: the prescaler keeps its value.
    edit("T0PR").setText("0000464F");
    ui.calculator = [](Calculator& c) {
        c.frequencyEdit().setText("");
        return true;
    };
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("T0PR").shownText(), "0x0000464F");
}

TEST_F(EditPopupTest, SixteenBitPrescalerAndTimersWithTheirOwnClock) {
    ui.calculator = userApplies("100", 1);
    popup.MivoEditEnter(edit("T1PR"));
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("T1PR").shownText(), "0xFFFF");

    form.store().get<model::NumericEdit>("T1pclock_edit").setText("7.5");
    ui.calculator = userApplies("1", 2);
    form.device().singlePclkDivider = false;
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("T1PR").shownText(), "0x1D4B");
    form.device().pclkDiv13xx = true;
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("T1PR").shownText(), "0x3A97");
}

TEST_F(EditPopupTest, PwmPeriodStartsFromTheCounterClockWithoutSubtractingOne) {
    form.store().get<model::CheckBox>("PWM0TCR_EnPWM").setChecked(true);
    std::string seen;
    ui.calculator = [&](Calculator& c) {
        seen = startOf(c);
        return userApplies("1", 2)(c);
    };
    popup.MivoEditEnter(edit("PWM0MR0"));
    EXPECT_EQ(form.editContext().calcTargetEdit, &edit("PWM0MR0"));
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(seen, "15 15 3 4294967295 0") << "clock, start value, MHz, limit, offset";
    EXPECT_EQ(edit("PWM0MR0").shownText(), "0x00003A98") << "15 MHz / 1 KHz";

    // A counter clock of 1.5 KHz starts the calculator in KHz, its clock in MHz.
    edit("PWM0PR").setText("270F");
    ASSERT_EQ(form.store().find("pwm0clk")->caption(), "Counter clk: 1.5 KHz");
    form.store().find("pwm0clk")->setCaption("Counter clk: 9 MHz"); // the figure counts, not its caption
    ui.calculator = [&](Calculator& c) {
        seen = c.pclockEdit().text() + " " + c.frequencyEdit().text() + " " +
               std::to_string(c.frequencyCombo().itemIndex());
        return userApplies("10", 1)(c);
    };
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(seen, "0.0015 1.5 2");
    EXPECT_EQ(edit("PWM0MR0").shownText(), "0x00000096") << "1.5 KHz / 10 Hz";

    ui.calculator = [](Calculator& c) {
        c.resultLabel().setCaption("0");
        return true;
    };
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("PWM0MR0").shownText(), "0x00000096") << "a period of zero is refused";

    // Counting pulses there is no frequency to start from: no calculator.
    form.store().get<model::ComboBox>("PWM0CTCR10").setItemIndex(1);
    const int runs = ui.calculatorRuns;
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(ui.calculatorRuns, runs);
}

// A wanted match rate sets the match register for the prescaler as it stands: MR + 1 counts of
// the counter clock per match, as when the match resets the counter.
TEST_F(EditPopupTest, TimerMatchRateStartsFromTheCounterClockAndSubtractsOne) {
    std::string seen;
    ui.calculator = [&](Calculator& c) {
        seen = startOf(c);
        return userApplies("1", 2)(c);
    };
    popup.MivoEditEnter(edit("T0MR0"));
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(seen, "15 15 3 4294967295 1") << "clock, start value, MHz, limit, offset";
    EXPECT_EQ(edit("T0MR0").shownText(), "0x00003A97") << "15 MHz / 1 KHz - 1";

    edit("T0PR").setText("E"); // a 1 MHz counter clock
    popup.MivoEditEnter(edit("T0MR2"));
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(seen, "1 1 3 4294967295 1");
    EXPECT_EQ(edit("T0MR2").shownText(), "0x000003E7") << "1 MHz / 1 KHz - 1";
    EXPECT_EQ(edit("T0MR0").shownText(), "0x00003A97") << "only the entered register";
}

TEST(EditPopupWiring, EnteringOpeningAndClickingRunTheHandlers) {
    testing::TempDir folder;
    FakeUi ui;
    app::MainForm form(ui, folder.path());
    auto& store = form.store();
    auto& prescaler = store.get<model::NumericEdit>("T0PR");
    auto& counter = store.get<model::NumericEdit>("T0TC");
    auto& cpuClock = store.get<model::NumericEdit>("pllclock_edit");
    const model::EditContext& edit = form.editContext();
    EXPECT_TRUE(form.editPopup().carriesPopup(prescaler));
    EXPECT_FALSE(form.editPopup().carriesPopup(cpuClock));

    cpuClock.entered.emit(cpuClock);
    EXPECT_EQ(edit.activeEditTag, 0) << "the CPU clock edit carries no popup";
    prescaler.entered.emit(prescaler);
    counter.entered.emit(counter);
    store.get<model::Control>("IntegerInputPopup").click();
    EXPECT_FALSE(store.get<model::MenuItem>("CalcFromFreqPopup").visible());
    ui.inputs = {"16"};
    store.get<model::MenuItem>("InsertIntegterPopup").click();
    EXPECT_EQ(counter.shownText(), "0x00000010");
    ui.calculator = userApplies("1", 2);
    store.get<model::MenuItem>("CalcFromFreqPopup").click();
    EXPECT_EQ(prescaler.shownText(), "0x00003A97");
}

TEST_F(EditPopupTest, SpiCounterTakesTheEvenDividerAsTheCalculatorShowsIt) {
    std::string seen;
    ui.calculator = [&](Calculator& c) {
        seen = startOf(c) + " " + (c.sspSearch() ? "search" : "register");
        return userApplies("1", 3)(c);
    };
    popup.MivoEditEnter(edit("SPIClockCounter_edit"));
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(seen, "15 15 3 254 0 register") << "clock, start value, MHz, limit, no subtract-one";
    EXPECT_EQ(edit("SPIClockCounter_edit").text(), "14") << "15 is odd: the even value below";

    ui.calculator = userApplies("10", 2);
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("SPIClockCounter_edit").text(), "254") << "1500 is beyond the counter";
    ui.calculator = [](Calculator& c) {
        c.resultLabel().setCaption("-2");
        return true;
    };
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("SPIClockCounter_edit").text(), "254") << "a negative result leaves the counter";

    // Without one common divider the port's own clock is the input.
    form.device().singlePclkDivider = false;
    form.store().get<model::NumericEdit>("SPIpclock_edit").setText("60");
    ui.calculator = userApplies("5", 3);
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("SPIClockCounter_edit").text(), "12");
}

TEST_F(EditPopupTest, SspEditsSearchThePairAndApplyWritesBothEditsOfTheirPort) {
    std::string seen;
    ui.calculator = [&](Calculator& c) {
        seen = c.pclockEdit().text() + " " + std::to_string(c.registerMax()) + " " +
               std::to_string(c.foundCpsdvsr()) + " " + (c.sspSearch() ? "search" : "register");
        return userApplies("1", 3)(c);
    };
    popup.MivoEditEnter(edit("SSP1SCR_edit"));
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(seen, "15 254 8 search");
    EXPECT_EQ(edit("SSP1CPSDVSR_edit").text(), "8");
    EXPECT_EQ(edit("SSP1SCR_edit").text(), "1");
    EXPECT_EQ(form.store().get<model::Control>("SSP1clock_label").caption(), "SSP clock: 937.5 KHz");

    ui.calculator = userApplies("25", 2);
    popup.MivoEditEnter(edit("SSP2CPSDVSR_edit"));
    popup.CalcFromFreqPopupClick();
    // 15 MHz / 25 kHz = 600 = 8 x 75 exactly.
    EXPECT_EQ(edit("SSP2CPSDVSR_edit").text(), "8");
    EXPECT_EQ(edit("SSP2SCR_edit").text(), "74");
    EXPECT_EQ(edit("SSP1SCR_edit").text(), "1") << "the other ports keep theirs";
    EXPECT_EQ(edit("SSP0SCR_edit").text(), "0");

    // 1 kHz needs a prescaler above the smallest: both edits of the pair are written.
    ui.calculator = userApplies("1", 2);
    popup.MivoEditEnter(edit("SSP0SCR_edit"));
    popup.CalcFromFreqPopupClick();
    const auto prescale = edit("SSP0CPSDVSR_edit").valueAsInt64();
    EXPECT_GT(prescale, 8);
    EXPECT_EQ(prescale * (edit("SSP0SCR_edit").valueAsInt64() + 1), 15000);
    EXPECT_EQ(form.store().get<model::Control>("SSP0clock_label").caption(), "SSP clock: 1 KHz");

    ui.calculator = [](Calculator& c) { return !userApplies("3", 3)(c); };
    popup.MivoEditEnter(edit("SSP2CPSDVSR_edit"));
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("SSP2SCR_edit").text(), "74") << "Abort changes nothing";

    ui.calculator = userApplies("", 3);
    popup.CalcFromFreqPopupClick();
    EXPECT_EQ(edit("SSP2CPSDVSR_edit").text() + " " + edit("SSP2SCR_edit").text(), "8 74")
        << "no frequency, no pair to apply";
}

// A page of its own with one divider: the popup runs the row's start and answer and knows
// nothing else of the page.
class DividerPage : public periph::Page {
public:
    explicit DividerPage(periph::PageContext& context) : Page(context) {
        divider = &store().add<model::NumericEdit>("Fixture_divider", store().find("Form1"));
        divider->setTag(9990);
        auto row = periph::EditPopupRow::plainRegister(divider);
        row.decimalPrompt = false;
        row.calculatorTarget = true;
        row.frequencyCalculator = [] { return periph::FrequencyCalculator::Offered; };
        row.frequencyStart = [] {
            periph::CalculatorStart start;
            start.registerMax = 100;
            start.frequency = "2";
            start.inputClock = "10";
            return std::optional<periph::CalculatorStart>(start);
        };
        row.apply = [this](const periph::CalculatorAnswer& answer) { divider->setText(answer.value + "0"); };
        addEditPopupRow(std::move(row));
    }
    model::NumericEdit* divider = nullptr;
};

TEST(EditPopupRows, APagesOwnRowStartsTheCalculatorAndTakesItsAnswer) {
    testing::TempDir folder;
    FakeUi ui;
    auto pages = app::programPages();
    pages.push_back({{"Fixture_page", "Fixture"},
                     [](periph::PageContext& c) { return std::make_unique<DividerPage>(c); }});
    app::MainForm form(ui, folder.path(), std::move(pages));
    auto& divider = *form.page<DividerPage>().divider;
    std::string seen;
    ui.calculator = [&](Calculator& c) {
        seen = startOf(c);
        return userApplies("2", 3)(c);
    };
    form.editPopup().MivoEditEnter(divider);
    form.store().get<model::Control>("IntegerInputPopup").click();
    EXPECT_TRUE(form.store().get<model::MenuItem>("CalcFromFreqPopup").visible());
    EXPECT_FALSE(form.store().get<model::MenuItem>("InsertIntegterPopup").visible());
    form.editPopup().CalcFromFreqPopupClick();
    EXPECT_EQ(seen, "10 2 3 100 0") << "input clock, start value, MHz, limit, offset";
    EXPECT_EQ(divider.text(), "50") << "10 MHz / 2 MHz is 5, and the row's answer writes it its way";
}

} // namespace
} // namespace regforge::tools
