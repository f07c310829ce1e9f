#include "gui/widgets/NumericLineEdit.h"

#include "GuiFixture.h"
#include "model/NumericEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

using widgets::NumericLineEdit;

void press(QWidget* widget, int key, const QString& text = {},
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &down);
}

void type(QWidget* widget, const QString& text) {
    for (const QChar ch : text)
        press(widget, 0, QString(ch));
}

void declareHexEdit(model::ControlStore& store) {
    auto& edit = store.add<model::NumericEdit>("Test_hex", store.find("TabSheet1"));
    edit.setValueKind(model::ValueKind::HexValue);
    edit.setMaxLength(8);
    edit.setMinimumDigits(8);
    edit.setText("0");
}

TEST(NumericLineEdit, KeysGoToTheModelWhichDecidesTextAndCaret) {
    GuiFixture gui(declareHexEdit);
    auto& cpu = gui.store().get<model::NumericEdit>("pllclock_edit");
    auto* line = gui.widget<NumericLineEdit>("pllclock_edit");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), "60");

    line->selectAll();
    type(line, "125");
    EXPECT_EQ(cpu.shownText(), "125");
    EXPECT_EQ(line->text(), "125");
    EXPECT_EQ(line->cursorPosition(), 3);

    type(line, "x.");
    EXPECT_EQ(line->text(), "125.") << "a letter is refused, the separator taken";
    type(line, ".");
    EXPECT_EQ(line->text(), "125.") << "no second separator";
    press(line, Qt::Key_Backspace);
    EXPECT_EQ(cpu.shownText(), "125");

    press(line, Qt::Key_Home);
    press(line, Qt::Key_Delete);
    EXPECT_EQ(cpu.shownText(), "25");
    EXPECT_EQ(line->cursorPosition(), 0);

    line->selectAll();
    type(line, "250");
    press(line, Qt::Key_Return);
    EXPECT_EQ(cpu.shownText(), "200") << "typing beyond the maximum gives the maximum";
    EXPECT_EQ(line->text(), "200");

    QApplication::clipboard()->setText("99");
    line->selectAll();
    press(line, Qt::Key_V, {}, Qt::ControlModifier);
    EXPECT_EQ(cpu.shownText(), "200") << "a number field takes no paste";

    auto* pclock = gui.widget<NumericLineEdit>("pclock_edit");
    const QString before = pclock->text();
    pclock->selectAll();
    type(pclock, "1");
    press(pclock, Qt::Key_Delete);
    EXPECT_EQ(pclock->text(), before) << "read-only";
}

TEST(NumericLineEdit, HexFieldKeepsItsPrefixAndTheCaretFollowsTheModel) {
    GuiFixture gui(declareHexEdit);
    auto& hex = gui.store().get<model::NumericEdit>("Test_hex");
    auto* line = gui.widget<NumericLineEdit>("Test_hex");
    EXPECT_EQ(line->text(), "0x00000000");

    line->selectAll();
    type(line, "1f");
    EXPECT_EQ(line->text(), "0x1f");
    EXPECT_EQ(line->cursorPosition(), 4);
    line->setCursorPosition(0);
    type(line, "a");
    EXPECT_EQ(line->text(), "0xa1f") << "typed behind the prefix";
    EXPECT_EQ(line->cursorPosition(), 3);
    press(line, Qt::Key_Return);
    EXPECT_EQ(line->text(), "0x00000A1F");
    EXPECT_EQ(hex.valueAsInt64(), 0xA1F);

    // The program changing the value redraws the field.
    hex.setValueFromInt64(0x1234);
    EXPECT_EQ(line->text(), "0x00001234");
}

// What the CPU clock field shows is what the program computes with, whatever was typed.
TEST(NumericLineEdit, TypedCpuClockShowsTheNumberTheClocksUse) {
    GuiFixture gui;
    gui.widget<QTabWidget>("pagecontrol1")->setCurrentIndex(3); // the clock bar shows on "ADC"
    auto& cpu = gui.store().get<model::NumericEdit>("pllclock_edit");
    auto& pclock = gui.store().get<model::NumericEdit>("pclock_edit");
    auto* line = gui.widget<NumericLineEdit>("pllclock_edit");
    ASSERT_TRUE(line->isVisible());
    line->setFocus();

    const auto shownAsModel = [&] {
        EXPECT_EQ(line->text().toStdString(), cpu.shownText());
        EXPECT_EQ(line->cursorPosition(), static_cast<int>(cpu.shownText().size()));
    };
    for (const char* typed : {"201", "250", "5000", "99999999999"}) {
        line->selectAll();
        QTest::keyClicks(line, typed);
        shownAsModel();
        EXPECT_EQ(cpu.shownText(), "200") << typed;
        EXPECT_EQ(pclock.shownText(), "50") << typed << ": 200 MHz through the 1/4 divider";
    }
    line->selectAll();
    QTest::keyClicks(line, "72");
    shownAsModel();
    EXPECT_EQ(pclock.shownText(), "18");

    // An emptied field becomes the lowest clock on leaving, and the figures follow it.
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    EXPECT_EQ(line->text(), "");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(line, &leave);
    EXPECT_EQ(cpu.shownText(), "1");
    EXPECT_EQ(line->text(), "1");
    EXPECT_EQ(pclock.shownText(), "0.25");
}

} // namespace
} // namespace regforge::gui
