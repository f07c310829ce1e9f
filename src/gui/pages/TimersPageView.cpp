#include "gui/pages/TimersPageView.h"

#include "gui/binding/Binder.h"
#include "gui/pages/ColumnFlowLayout.h"
#include "gui/pages/ViewParts.h"
#include "gui/widgets/CaptionPanel.h"
#include "periph/timer/TimerControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>
#include <string>
#include <vector>

namespace regforge::gui::pages {

namespace t = periph::timer;

namespace {

// Grid columns of a timer's register block beyond the shared ones. The check box columns serve
// the match rows (interrupt, reset, stop) and the capture rows (rising, falling, interrupt) alike.
constexpr int kOutputBoxColumn = 5; // PWM-mode box in match rows, EM box in capture rows
constexpr int kOutputTextColumn = 6;
constexpr int kColumnCount = 8; // the last one takes what room is left

// Grid rows after TC, PR and the four match rows: the mode row, headings and the four
// capture rows.
constexpr int kModeRow = 7;
constexpr int kCaptureHeadingRow = 8;
constexpr int kFirstCaptureRow = 9;

constexpr const char* kMatchHeadings[] = {"Int", "Reset", "Stop"};

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

TimersPageView::TimersPageView(const binding::Binder& binder) : CounterPageView(binder, t::kTab.name) {}

void TimersPageView::arrangeContent(QVBoxLayout* body) {
    body->addLayout(
        pairSwitchRow("Show timers", take("ShowTimer01RadioButton"), take("ShowTimer23RadioButton")));

    // Two timers above each other are taller than the page: they scroll below the clock bar and
    // the switch.
    const ScrolledColumn scrolled = scrolledColumn();
    scroll_ = scrolled.area;
    QVBoxLayout* timers = scrolled.column;
    timers->setSpacing(0);

    // The two timers of a pair stand side by side where the page is wide enough.
    auto* firstPair = new QWidget;
    auto* firstColumn = new ColumnFlowLayout(firstPair);
    firstColumn->addWidget(arrangeTimer(0));
    firstColumn->addWidget(arrangeTimer(1));
    timers->addWidget(firstPair);

    QWidget* secondPair = take("PanelTimers23");
    auto* secondColumn = new ColumnFlowLayout(secondPair);
    secondColumn->addWidget(arrangeTimer(2));
    secondColumn->addWidget(arrangeTimer(3));
    timers->addWidget(secondPair);
    timers->addStretch(1);

    // One pair at a time: timers 0/1 make way while the model shows PanelTimers23.
    showOneOfPair(firstPair, secondPair, *binder().store().find("PanelTimers23"), scroll_);

    addScrolled(body, scrolled);
}

QWidget* TimersPageView::arrangeTimer(int timer) {
    QWidget* enableBox = take(t::enableBoxName(timer));
    QWidget* groupBox = take(t::groupBoxName(timer));
    arrangeRegisters(timer, groupBox);
    return coveredBlock(enableBox, groupBox, takeAs<widgets::CaptionPanel>(t::coverPanelName(timer)), 16,
                        1.1);
}

void TimersPageView::arrangeRegisters(int timer, QWidget* groupBox) {
    const auto index = at(timer);
    QVBoxLayout* column = registerColumn(groupBox);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const std::string digit = std::to_string(timer);

    // The counter first: TC with the two TCR bits, PR below it.
    addCounterRows(grid, t::counterEditName(timer), t::prescaleEditName(timer),
                   {t::kCounterEnableBoxes[index], t::kCounterResetBoxes[index]}, kColumnCount);

    // Match rows: MRm, its value, the three MCR boxes, the PWM mode of output m.
    addHeadingRow(grid, kMatchHeadingRow, kRowLabelColumn, kFirstBoxColumn, "Match", kMatchHeadings);
    for (int m = 0; m < t::kMatchCount; ++m) {
        const int row = kFirstMatchRow + m;
        const std::string reg = "MR" + std::to_string(m);
        grid->addWidget(new QLabel(QString::fromStdString(reg)), row, kRowLabelColumn);
        QWidget* value = take(t::timerControl(timer, reg.c_str()));
        sizeRegisterEdit(value);
        grid->addWidget(value, row, kValueColumn);
        for (int i = 0; i < 3; ++i)
            grid->addWidget(take(t::kMatchControlBoxes[index][at(3 * m + i)]), row, kFirstBoxColumn + i);
        grid->addWidget(take(t::kPwmModeBoxes[index][at(m)]), row, kOutputBoxColumn);
        grid->addWidget(take(t::kPwmModeLabels[index][at(m)]), row, kOutputTextColumn);
    }

    // The mode reads as one sentence: "Counter mode: TC incremented on rising edge of CAP 0.1".
    grid->addLayout(modeSentenceRow(take(t::modeComboName(timer)), take(t::countInputComboName(timer))),
                    kModeRow, 0, 1, kColumnCount);

    // Capture rows, and beside them the external match outputs with their actions.
    const auto& rowLabels = t::kCaptureRowLabels[index];
    const auto& boxes = t::kCaptureControlBoxes[index];
    addCaptureRows(grid, kCaptureHeadingRow, {rowLabels.begin(), rowLabels.end()},
                   {boxes.begin(), boxes.end()});
    grid->addWidget(heading("EM"), kCaptureHeadingRow, kOutputBoxColumn);
    grid->addWidget(heading("Action on match"), kCaptureHeadingRow, kOutputTextColumn);
    for (int k = 0; k < 4; ++k) {
        const int row = kFirstCaptureRow + k;
        grid->addWidget(take(t::kExternalMatchBoxes[index][at(k)]), row, kOutputBoxColumn);
        const std::string action = "EMC" + digit + "_" + std::to_string(k) + "combobox";
        grid->addWidget(take(action), row, kOutputTextColumn);
    }
    grid->setColumnStretch(kColumnCount - 1, 1);
    column->addLayout(grid);

    addSeparator(column);

    // The figures, and the timer's own clock where the device divides per peripheral.
    column->addLayout(
        figuresRow({t::clockLabelName(timer), t::tickLabelName(timer), t::matchFiguresLabelName(timer)},
                   t::timerControl(timer, "pclk_panel"), t::timerControl(timer, "pclk_div"),
                   t::timerControl(timer, "pclock_edit")));

    addHint(column, takeAs<QLabel>(t::hintLabelName(timer)));
}

void TimersPageView::finishArrangement() {
    for (int timer = 0; timer < t::kTimerCount; ++timer)
        binder().widget(t::coverPanelName(timer))->raise();
}

} // namespace regforge::gui::pages
