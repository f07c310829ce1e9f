#include "PageViewFixture.h"
#include "gui/widgets/NumericLineEdit.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/clock/ClockControls.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

namespace c = periph::clock;

// The program started with an LPC1768 clock profile loaded as the user does it, "Clocks" in front.
class ClocksPageView : public PageViewFixture {
protected:
    ClocksPageView() : PageViewFixture("clock", 1) {}
};

// While the page is on, the CPU clock field of the clock bar shows the chosen setting and takes
// no typing; switched off, it is the user's again.
TEST_F(ClocksPageView, CpuClockFieldFollowsTheChosenSettingAndIsReadOnlyWhileThePageIsOn) {
    load("LPC1768");
    EXPECT_GT(placedControls(c::kTab.name), 20);
    expectCoverLiftedBy(c::kGroupBox, c::kCoverPanel, c::kEnableBox);

    auto* cpu = gui.widget<widgets::NumericLineEdit>("pllclock_edit");
    ASSERT_TRUE(cpu->isVisible()) << "the clock bar shows on the page";
    gui.store().get<model::NumericEdit>(c::kWantedEdit).setText("100");
    QApplication::processEvents();
    EXPECT_TRUE(cpu->isReadOnly());
    EXPECT_EQ(cpu->text(), "100");

    cpu->setFocus();
    cpu->selectAll();
    QTest::keyClicks(cpu, "72");
    EXPECT_EQ(cpu->text(), "100") << "typing does not reach the field";
    EXPECT_EQ(gui.store().get<model::NumericEdit>("pllclock_edit").text(), "100");

    // Another setting picked in the list moves the field with it.
    auto* settings = gui.widget<QComboBox>(c::kSolutionsList);
    auto& model = gui.store().get<model::ComboBox>(c::kSolutionsList);
    int other = -1;
    for (int i = 1; i < settings->count() && other < 0; ++i)
        if (!settings->itemText(i).contains(QStringLiteral(": 100 MHz")))
            other = i;
    ASSERT_GT(other, 0) << "a setting with another CPU clock is offered";
    settings->setCurrentIndex(other);
    Q_EMIT settings->activated(other);
    EXPECT_EQ(model.itemIndex(), other);
    EXPECT_NE(cpu->text(), "100");
    // The item and the field both name the clock to six decimals.
    const QString item = settings->itemText(other);
    const qsizetype from = item.indexOf(QStringLiteral(": ")) + 2;
    const double listed = item.mid(from, item.indexOf(QStringLiteral(" MHz"), from) - from).toDouble();
    EXPECT_NEAR(cpu->text().toDouble(), listed, 1e-6) << item.toStdString();

    click(c::kEnableBox);
    EXPECT_FALSE(cpu->isReadOnly());
    EXPECT_TRUE(widget(c::kCoverPanel)->isVisible());
}

} // namespace
} // namespace regforge::gui
