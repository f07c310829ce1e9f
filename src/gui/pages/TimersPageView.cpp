#include "gui/pages/TimersPageView.h"

#include "gui/binding/Binder.h"
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

// Grid columns of a timer's register block. The check box columns serve the match rows
// (interrupt, reset, stop) and the capture rows (rising, falling, interrupt) alike.
constexpr int kRowLabelColumn = 0;
constexpr int kValueColumn = 1;
constexpr int kFirstBoxColumn = 2;
constexpr int kOutputBoxColumn = 5; // PWM-mode box in match rows, EM box in capture rows
constexpr int kOutputTextColumn = 6;
constexpr int kColumnCount = 8; // the last one takes what room is left

// Grid rows: TC and PR, headings and the four match rows, the mode row, headings and the
// four capture rows.
constexpr int kCounterRow = 0;
constexpr int kPrescaleRow = 1;
constexpr int kMatchHeadingRow = 2;
constexpr int kFirstMatchRow = 3;
constexpr int kModeRow = 7;
constexpr int kCaptureHeadingRow = 8;
constexpr int kFirstCaptureRow = 9;

constexpr const char* kMatchHeadings[] = {"Int", "Reset", "Stop"};
constexpr const char* kCaptureHeadings[] = {"Rise", "Fall", "Int"};

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

TimersPageView::TimersPageView(const binding::Binder& binder) : PageView(binder, t::kTab.name) {}

void TimersPageView::arrangeContent(QVBoxLayout* body) {
    body->addLayout(
        pairSwitchRow("Show timers", take("ShowTimer01RadioButton"), take("ShowTimer23RadioButton")));

    // Two timers are taller than the page: they scroll below the clock bar and the switch.
    const ScrolledColumn scrolled = scrolledColumn();
    scroll_ = scrolled.area;
    QVBoxLayout* timers = scrolled.column;
    timers->setSpacing(0);

    auto* firstPair = new QWidget;
    auto* firstColumn = new QVBoxLayout(firstPair);
    firstColumn->setContentsMargins(0, 0, 0, 0);
    firstColumn->setSpacing(14);
    firstColumn->addWidget(arrangeTimer(0));
    firstColumn->addWidget(arrangeTimer(1));
    timers->addWidget(firstPair);

    QWidget* secondPair = take("PanelTimers23");
    auto* secondColumn = new QVBoxLayout(secondPair);
    secondColumn->setContentsMargins(0, 0, 0, 0);
    secondColumn->setSpacing(14);
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
    QWidget* counter = take(t::counterEditName(timer));
    QWidget* prescale = take(t::prescaleEditName(timer));
    sizeRegisterEdit(counter);
    sizeRegisterEdit(prescale);
    grid->addWidget(new QLabel(QStringLiteral("TC")), kCounterRow, kRowLabelColumn);
    grid->addWidget(counter, kCounterRow, kValueColumn);
    auto* control = new QHBoxLayout;
    control->setSpacing(16);
    control->addWidget(take(t::kCounterEnableBoxes[index]));
    control->addWidget(take(t::kCounterResetBoxes[index]));
    control->addStretch(1);
    grid->addLayout(control, kCounterRow, kFirstBoxColumn, 1, kColumnCount - kFirstBoxColumn);
    grid->addWidget(new QLabel(QStringLiteral("PR")), kPrescaleRow, kRowLabelColumn);
    grid->addWidget(prescale, kPrescaleRow, kValueColumn);

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
    QWidget* firstCaptureLabel = take(rowLabels[0]);
    std::vector<QPointer<QWidget>> captureHeadings = addHeadingRow(
        grid, kCaptureHeadingRow, kRowLabelColumn, kFirstBoxColumn, "Capture", kCaptureHeadings);
    grid->addWidget(heading("EM"), kCaptureHeadingRow, kOutputBoxColumn);
    grid->addWidget(heading("Action on match"), kCaptureHeadingRow, kOutputTextColumn);
    for (int c = 0; c < t::kCaptureCount; ++c) {
        const int row = kFirstCaptureRow + c;
        grid->addWidget(c == 0 ? firstCaptureLabel : take(rowLabels[at(c)]), row, kRowLabelColumn, 1, 2);
        for (int i = 0; i < 3; ++i)
            grid->addWidget(take(t::kCaptureControlBoxes[index][at(3 * c + i)]), row, kFirstBoxColumn + i);
    }
    for (int k = 0; k < 4; ++k) {
        const int row = kFirstCaptureRow + k;
        grid->addWidget(take(t::kExternalMatchBoxes[index][at(k)]), row, kOutputBoxColumn);
        const std::string action = "EMC" + digit + "_" + std::to_string(k) + "combobox";
        grid->addWidget(take(action), row, kOutputTextColumn);
    }
    // The capture headings go with the first capture row: a timer without inputs has none.
    showAlongWith(firstCaptureLabel, *binder().store().find(rowLabels[0]), captureHeadings);

    grid->setColumnStretch(kColumnCount - 1, 1);
    column->addLayout(grid);

    addSeparator(column);

    // The figures, and the timer's own clock where the device divides per peripheral.
    auto* figuresRow = new QHBoxLayout;
    auto* figures = new QVBoxLayout;
    figures->setSpacing(2);
    figures->addWidget(take(t::clockLabelName(timer)));
    figures->addWidget(take(t::tickLabelName(timer)));
    figuresRow->addLayout(figures);
    figuresRow->addStretch(1);
    arrangeClockPanel(timer);
    figuresRow->addWidget(take(t::timerControl(timer, "pclk_panel")), 0, Qt::AlignVCenter);
    column->addLayout(figuresRow);

    addHint(column, takeAs<QLabel>(t::hintLabelName(timer)));
}

void TimersPageView::arrangeClockPanel(int timer) {
    const std::string panelName = t::timerControl(timer, "pclk_panel");
    pages::arrangeClockPanel(binder().widget(panelName), take(panelName + "_label"),
                             take(t::timerControl(timer, "pclk_div")),
                             take(t::timerControl(timer, "pclock_edit")), take(panelName + "_unit"));
}

void TimersPageView::finishArrangement() {
    for (int timer = 0; timer < t::kTimerCount; ++timer)
        binder().widget(t::coverPanelName(timer))->raise();
}

} // namespace regforge::gui::pages
