#include "gui/dialogs/CalculatorDialog.h"

#include "GuiFixture.h"
#include "gui/QtUi.h"
#include "gui/widgets/NumericLineEdit.h"
#include "model/ComboBox.h"
#include "tools/Calculator.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace regforge::gui {
namespace {

using tools::Calculator;

// Acts on the calculator window once it is up, as the user would.
void whenCalculatorOpens(std::function<void(dialogs::CalculatorDialog&)> act) {
    QTimer::singleShot(0, qApp, [act = std::move(act)] {
        auto* dialog = qobject_cast<dialogs::CalculatorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

template <class W>
W* find(dialogs::CalculatorDialog& dialog, const char* name) {
    return dialog.findChild<W*>(QString::fromLatin1(name));
}

void press(QWidget* widget, int key, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
}

// Types a new wanted frequency and picks its unit, from "MHZ" up the list to "KHz".
void wantOneKilohertz(dialogs::CalculatorDialog& dialog) {
    auto* frequency = find<QLineEdit>(dialog, "FrequencyEdit");
    frequency->setFocus();
    frequency->selectAll();
    press(frequency, 0, QStringLiteral("1"));
    auto* unit = find<QComboBox>(dialog, "FrequencyCombo");
    ASSERT_EQ(unit->currentText(), "MHZ");
    press(unit, Qt::Key_Up);
}

// The calculator as the timer prescaler hands it over: 15 MHz in, PR counts from zero.
void prepareAsPrescaler(Calculator& calc) {
    calc.setRegisterOffset(1);
    calc.setRegisterMax(4294967295);
    calc.pclockEdit().setText("15");
    calc.frequencyCombo().setItemIndex(3);
    calc.frequencyEdit().setText("15");
    calc.FormShow();
}

TEST(CalculatorDialog, ShowsTheCalculatorAndClosesWithApplyOrAbort) {
    QtUi ui;
    Calculator calc;
    prepareAsPrescaler(calc);
    whenCalculatorOpens([](dialogs::CalculatorDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Set frequency/period");
        EXPECT_EQ(find<QLabel>(dialog, "ResultLabel")->text(), "0");
        EXPECT_FALSE(find<QWidget>(dialog, "Pclock_edit")->isVisible());
        EXPECT_FALSE(find<QWidget>(dialog, "ADCfrequencyLabel")->isVisible());
        wantOneKilohertz(dialog);
        EXPECT_EQ(find<QLineEdit>(dialog, "PeriodEdit")->text(), "1000");
        EXPECT_EQ(find<QComboBox>(dialog, "PeriodCombo")->currentText(), "uS");
        EXPECT_EQ(find<QLabel>(dialog, "ResultLabel")->text(), "14999");
        EXPECT_EQ(find<QLabel>(dialog, "Result2Label")->text(), "1 KHz ( 1000 us )");
        find<QPushButton>(dialog, "Apply")->click();
    });
    EXPECT_TRUE(ui.runCalculator(calc));
    EXPECT_EQ(calc.resultText(), "14999");

    whenCalculatorOpens(
        [](dialogs::CalculatorDialog& dialog) { find<QPushButton>(dialog, "Abort")->click(); });
    EXPECT_FALSE(ui.runCalculator(calc));

    // Closing the window any other way is no Apply either.
    Calculator fresh;
    prepareAsPrescaler(fresh);
    whenCalculatorOpens([](dialogs::CalculatorDialog& dialog) { press(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(ui.runCalculator(fresh));
}

// Enter applies, only what has a result can be applied, and a target beyond the register's
// reach shows the clock it does reach in red with the note.
TEST(CalculatorDialog, EnterAppliesAResultAndATargetOutOfReachShowsAsSuch) {
    QtUi ui;
    Calculator calc;
    prepareAsPrescaler(calc);
    bool checked = false;
    whenCalculatorOpens([&checked](dialogs::CalculatorDialog& dialog) {
        auto* frequency = find<QLineEdit>(dialog, "FrequencyEdit");
        auto* apply = find<QPushButton>(dialog, "Apply");
        auto* range = find<QLabel>(dialog, "RangeLabel");
        EXPECT_TRUE(apply->isEnabled() && apply->isDefault());
        EXPECT_FALSE(range->isVisible());
        frequency->setFocus();
        frequency->selectAll();
        press(frequency, Qt::Key_Backspace);
        ASSERT_EQ(frequency->text(), "");
        EXPECT_FALSE(apply->isEnabled());
        press(frequency, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << "Enter without a result applies nothing";

        // 20 MHz from 15 MHz: the input clock is the nearest.
        press(frequency, 0, QStringLiteral("2"));
        press(frequency, 0, QStringLiteral("0"));
        const auto* figure = find<QLabel>(dialog, "Result2Label");
        EXPECT_EQ(figure->text(), "15 MHz ( 66.67 ns )");
        EXPECT_EQ(figure->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_TRUE(range->isVisible());
        EXPECT_EQ(range->text(), "Out of reach: the nearest value is shown");
        checked = true;
        press(frequency, Qt::Key_Enter);
        if (dialog.isVisible())
            dialog.reject(); // Enter failed; the run reports it
    });
    EXPECT_TRUE(ui.runCalculator(calc));
    EXPECT_TRUE(checked);
    EXPECT_EQ(calc.resultText(), "0");
}

std::string fixtureText(const std::string& name) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/timer/" + name + ".ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// From the prescaler's popup through the real window back into the page's figures.
TEST(CalculatorDialog, PrescalerForOneKilohertzAtFifteenMegahertz) {
    GuiFixture gui;
    gui.folder.write("include/LPC2148.ini", fixtureText("arm7_single_divider"));
    auto& devices = gui.store().get<model::ComboBox>("mcu_ComboBox");
    devices.setItemIndex(devices.indexOf("LPC2148"));
    ASSERT_TRUE(gui.form->LoadProfileBitBtnClick());
    gui.widget<QTabWidget>("pagecontrol1")->setCurrentIndex(4);
    gui.widget<QAbstractButton>("T0_checkbox")->click();
    QtUi qtUi;
    gui.ui.calculator = [&qtUi](Calculator& calc) { return qtUi.runCalculator(calc); };

    auto* prescaler = gui.widget<widgets::NumericLineEdit>("T0PR");
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(prescaler, &focus);
    const QPoint centre = prescaler->rect().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, centre, prescaler->mapToGlobal(centre));
    QApplication::sendEvent(prescaler, &rightClick);
    auto* popup = gui.widget<QMenu>("IntegerInputPopup");
    ASSERT_TRUE(popup->isVisible());
    auto* calculate = qobject_cast<QAction*>(gui.binder().object("CalcFromFreqPopup"));
    ASSERT_TRUE(calculate->isVisible() && calculate->isEnabled());

    whenCalculatorOpens([](dialogs::CalculatorDialog& dialog) {
        wantOneKilohertz(dialog);
        find<QPushButton>(dialog, "Apply")->click();
    });
    popup->close();
    calculate->trigger();
    EXPECT_EQ(gui.ui.calculatorRuns, 1);
    EXPECT_EQ(prescaler->text(), "0x00003A97");
    EXPECT_EQ(gui.widget<QLabel>("timer0clk")->text(), "Counter clk: 1 KHz");
    EXPECT_EQ(gui.widget<QLabel>("timer0tick")->text(), "Counts every: 1000 us");
}

} // namespace
} // namespace regforge::gui
