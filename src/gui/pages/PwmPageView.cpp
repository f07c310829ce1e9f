#include "gui/pages/PwmPageView.h"

#include "gui/binding/Binder.h"
#include "gui/pages/ViewParts.h"
#include "gui/widgets/CaptionPanel.h"
#include "periph/pwm/PwmControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>
#include <string>
#include <vector>

namespace regforge::gui::pages {

namespace p = periph::pwm;

namespace {

// Grid columns of a unit's register block beyond the shared ones. The three check box columns
// serve the match rows (interrupt, reset, stop) and the capture rows (rising, falling, interrupt).
constexpr int kTextColumn = 5;
constexpr int kColumnCount = 6; // the last one takes what room is left

// Grid rows after TC, PR and the seven match rows: the mode row, headings and the two capture
// rows. The output rows have a grid of their own.
constexpr int kModeRow = 3 + p::kMatchCount;
constexpr int kCaptureHeadingRow = kModeRow + 1;

constexpr const char* kMatchHeadings[] = {"Int", "Reset", "Stop"};
constexpr const char* kOutputHeadings[] = {"Dual", "On"};

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

PwmPageView::PwmPageView(const binding::Binder& binder) : CounterPageView(binder, p::kTab.name) {}

void PwmPageView::arrangeContent(QVBoxLayout* body) {
    body->addLayout(pairSwitchRow("Show unit", take(p::kShowPwm0Name), take(p::kShowPwm1Name)));

    // A unit is taller than the page: it scrolls below the clock bar and the switch.
    const ScrolledColumn scrolled = scrolledColumn();
    scroll_ = scrolled.area;
    QVBoxLayout* units = scrolled.column;
    units->setSpacing(0);

    QWidget* first = arrangeUnit(0);
    units->addWidget(first);
    QWidget* second = take(p::kPwm1PanelName);
    auto* secondColumn = new QVBoxLayout(second);
    secondColumn->setContentsMargins(0, 0, 0, 0);
    secondColumn->addWidget(arrangeUnit(1));
    units->addWidget(second);
    units->addStretch(1);

    // One unit at a time: PWM0 makes way while the model shows PanelPWM1.
    showOneOfPair(first, second, *binder().store().find(p::kPwm1PanelName), scroll_);

    addScrolled(body, scrolled);
}

QWidget* PwmPageView::arrangeUnit(int unit) {
    QWidget* enableBox = take(p::enableBoxName(unit));
    QWidget* groupBox = take(p::groupBoxName(unit));
    arrangeRegisters(unit, groupBox);
    return coveredBlock(enableBox, groupBox, takeAs<widgets::CaptionPanel>(p::coverPanelName(unit)), 16, 1.1);
}

void PwmPageView::arrangeRegisters(int unit, QWidget* groupBox) {
    const auto index = at(unit);
    QVBoxLayout* column = registerColumn(groupBox);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    // The counter first: TC with the three TCR bits, PR below it.
    addCounterRows(grid, p::counterEditName(unit), p::prescaleEditName(unit),
                   {p::counterEnableName(unit), p::counterResetName(unit), p::pwmModeName(unit)},
                   kColumnCount);

    // Match rows: MRm, its value and the three MCR boxes.
    addHeadingRow(grid, kMatchHeadingRow, kRowLabelColumn, kFirstBoxColumn, "Match", kMatchHeadings);
    for (int m = 0; m < p::kMatchCount; ++m) {
        const int row = kFirstMatchRow + m;
        grid->addWidget(new QLabel(QStringLiteral("MR%1").arg(m)), row, kRowLabelColumn);
        QWidget* value = take(p::matchEditName(unit, m));
        sizeRegisterEdit(value);
        grid->addWidget(value, row, kValueColumn);
        for (int i = 0; i < 3; ++i)
            grid->addWidget(take(p::kMatchControlBoxes[index][at(3 * m + i)]), row, kFirstBoxColumn + i);
    }

    // The mode reads as one sentence: "Counter mode: TC incremented on rising edge of PCAP 1.1".
    grid->addLayout(modeSentenceRow(take(p::modeComboName(unit)), take(p::countInputComboName(unit))),
                    kModeRow, 0, 1, kColumnCount);

    // Capture rows.
    const auto& rowLabels = p::kCaptureRowLabels[index];
    const auto& boxes = p::kCaptureControlBoxes[index];
    addCaptureRows(grid, kCaptureHeadingRow, {rowLabels.begin(), rowLabels.end()},
                   {boxes.begin(), boxes.end()});

    grid->setColumnStretch(kTextColumn, 1);
    column->addLayout(grid);

    // Output rows in a grid of their own, so the long descriptions start close to the left:
    // the double-edge select (outputs 2..6), the enable and what the output does.
    auto* outputs = new QGridLayout;
    outputs->setHorizontalSpacing(6);
    outputs->setVerticalSpacing(4);
    for (int i = 0; i < 2; ++i)
        outputs->addWidget(heading(kOutputHeadings[i]), 0, i);
    outputs->addWidget(heading("Output"), 0, 2);
    for (int n = 1; n <= p::kOutputCount; ++n) {
        if (n > 1)
            outputs->addWidget(take(p::doubleEdgeBoxName(unit, n)), n, 0);
        outputs->addWidget(take(p::outputEnableBoxName(unit, n)), n, 1);
        // A narrow window wraps the description rather than cutting it.
        auto* label = takeAs<QLabel>(p::outputLabelName(unit, n));
        label->setWordWrap(true);
        outputs->addWidget(label, n, 2);
    }
    outputs->setColumnStretch(2, 1);
    column->addLayout(outputs);

    addSeparator(column);

    // The figures, and the unit's own clock where the device divides per peripheral.
    column->addLayout(figuresRow({p::clockLabelName(unit), p::tickLabelName(unit),
                                  p::frequencyLabelName(unit), p::pulseFiguresLabelName(unit)},
                                 p::clockPanelName(unit), p::clockDividerName(unit), p::clockEditName(unit)));

    addHint(column, takeAs<QLabel>(p::hintLabelName(unit)));
}

void PwmPageView::finishArrangement() {
    for (int unit = 0; unit < p::kPwmCount; ++unit)
        binder().widget(p::coverPanelName(unit))->raise();
}

} // namespace regforge::gui::pages
