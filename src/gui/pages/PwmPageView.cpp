#include "gui/pages/PwmPageView.h"

#include "gui/binding/Binder.h"
#include "gui/widgets/CaptionPanel.h"
#include "periph/pwm/PwmControls.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <functional>
#include <string>
#include <vector>

namespace regforge::gui::pages {

namespace p = periph::pwm;

namespace {

// Grid columns of a unit's register block. The three check box columns serve the match rows
// (interrupt, reset, stop) and the capture rows (rising, falling, interrupt).
constexpr int kRowLabelColumn = 0;
constexpr int kValueColumn = 1;
constexpr int kFirstBoxColumn = 2;
constexpr int kTextColumn = 5;
constexpr int kColumnCount = 6; // the last one takes what room is left

// Grid rows: TC and PR, headings and the seven match rows, the mode row, headings and the two
// capture rows. The output rows have a grid of their own.
constexpr int kCounterRow = 0;
constexpr int kPrescaleRow = 1;
constexpr int kMatchHeadingRow = 2;
constexpr int kFirstMatchRow = 3;
constexpr int kModeRow = kFirstMatchRow + p::kMatchCount;
constexpr int kCaptureHeadingRow = kModeRow + 1;
constexpr int kFirstCaptureRow = kCaptureHeadingRow + 1;

constexpr const char* kMatchHeadings[] = {"Int", "Reset", "Stop"};
constexpr const char* kCaptureHeadings[] = {"Rise", "Fall", "Int"};
constexpr const char* kOutputHeadings[] = {"Dual", "On"};

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// Calls back whenever the model shows or hides the control behind `source`, and once now.
// View-made captions come and go with the rows they head this way, and PWM0 gives way to
// PanelPWM1.
class VisibilityWatch : public QObject {
public:
    VisibilityWatch(QWidget* source, const model::Control& control, std::function<void(bool)> follow)
        : QObject(source), control_(control), follow_(std::move(follow)) {
        source->installEventFilter(this);
        follow_(control_.visible());
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            follow_(control_.visible());
        return false;
    }

private:
    const model::Control& control_;
    std::function<void(bool)> follow_;
};

QLabel* heading(const char* text) {
    auto* label = new QLabel(QObject::tr(text));
    label->setForegroundRole(QPalette::PlaceholderText);
    // A little air above each block of rows.
    label->setContentsMargins(0, 6, 0, 0);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return label;
}

// Room for "0x" and eight digits.
void sizeRegisterEdit(QWidget* edit) {
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0x00000000")) + 14);
}

} // namespace

PwmPageView::PwmPageView(const binding::Binder& binder) : PageView(binder, "TabSheet5") {}

void PwmPageView::arrangeContent(QVBoxLayout* body) {
    auto* switchRow = new QHBoxLayout;
    switchRow->setSpacing(12);
    switchRow->addWidget(new QLabel(QObject::tr("Show unit")));
    switchRow->addWidget(take(p::kShowPwm0Name));
    switchRow->addWidget(take(p::kShowPwm1Name));
    switchRow->addStretch(1);
    body->addLayout(switchRow);

    // A unit is taller than the page: it scrolls below the clock bar and the switch.
    scroll_ = new QScrollArea;
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->setAutoFillBackground(false);
    auto* column = new QWidget;
    column->setAutoFillBackground(false);
    auto* units = new QVBoxLayout(column);
    units->setContentsMargins(0, 4, 4, 0);
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
    new VisibilityWatch(
        second, *binder().store().find(p::kPwm1PanelName),
        [first = QPointer<QWidget>(first), scroll = QPointer<QScrollArea>(scroll_)](bool shown) {
            if (first)
                first->setVisible(!shown);
            if (scroll)
                scroll->verticalScrollBar()->setValue(0);
        });

    scroll_->setWidget(column);
    body->addWidget(scroll_, 1);
}

QWidget* PwmPageView::arrangeUnit(int unit) {
    auto* block = new QWidget;
    auto* column = new QVBoxLayout(block);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(take(p::enableBoxName(unit)));

    // The cover lies on the registers in the same cell while the unit is off.
    auto* cell = new QGridLayout;
    cell->setContentsMargins(0, 0, 0, 0);
    QWidget* groupBox = take(p::groupBoxName(unit));
    arrangeRegisters(unit, groupBox);
    cell->addWidget(groupBox, 0, 0);
    auto* cover = takeAs<widgets::CaptionPanel>(p::coverPanelName(unit));
    cover->setFrameShape(QFrame::StyledPanel);
    cover->setFrameShadow(QFrame::Sunken);
    cover->setAutoFillBackground(true);
    cover->setPadding(16);
    QFont font = cover->font();
    font.setPointSizeF(font.pointSizeF() * 1.1);
    cover->setFont(font);
    cell->addWidget(cover, 0, 0);
    column->addLayout(cell);
    return block;
}

void PwmPageView::arrangeRegisters(int unit, QWidget* groupBox) {
    const auto index = at(unit);
    auto* column = new QVBoxLayout(groupBox);
    column->setContentsMargins(10, 8, 10, 8);
    column->setSpacing(8);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    // The counter first: TC with the three TCR bits, PR below it.
    QWidget* counter = take(p::counterEditName(unit));
    QWidget* prescale = take(p::prescaleEditName(unit));
    sizeRegisterEdit(counter);
    sizeRegisterEdit(prescale);
    grid->addWidget(new QLabel(QStringLiteral("TC")), kCounterRow, kRowLabelColumn);
    grid->addWidget(counter, kCounterRow, kValueColumn);
    auto* control = new QHBoxLayout;
    control->setSpacing(16);
    control->addWidget(take(p::counterEnableName(unit)));
    control->addWidget(take(p::counterResetName(unit)));
    control->addWidget(take(p::pwmModeName(unit)));
    control->addStretch(1);
    grid->addLayout(control, kCounterRow, kFirstBoxColumn, 1, kColumnCount - kFirstBoxColumn);
    grid->addWidget(new QLabel(QStringLiteral("PR")), kPrescaleRow, kRowLabelColumn);
    grid->addWidget(prescale, kPrescaleRow, kValueColumn);

    // Match rows: MRm, its value and the three MCR boxes.
    grid->addWidget(heading("Match"), kMatchHeadingRow, kRowLabelColumn, 1, 2);
    for (int i = 0; i < 3; ++i)
        grid->addWidget(heading(kMatchHeadings[i]), kMatchHeadingRow, kFirstBoxColumn + i);
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
    auto* modeRow = new QHBoxLayout;
    modeRow->setSpacing(6);
    modeRow->addWidget(take(p::modeComboName(unit)));
    modeRow->addWidget(take(p::countInputComboName(unit)));
    modeRow->addStretch(1);
    grid->addLayout(modeRow, kModeRow, 0, 1, kColumnCount);

    // Capture rows; their headings go with the first row: a unit without inputs has none.
    const auto& rowLabels = p::kCaptureRowLabels[index];
    QWidget* firstCaptureLabel = take(rowLabels[0]);
    std::vector<QPointer<QWidget>> captureHeadings;
    captureHeadings.push_back(heading("Capture"));
    grid->addWidget(captureHeadings.back(), kCaptureHeadingRow, kRowLabelColumn, 1, 2);
    for (int i = 0; i < 3; ++i) {
        captureHeadings.push_back(heading(kCaptureHeadings[i]));
        grid->addWidget(captureHeadings.back(), kCaptureHeadingRow, kFirstBoxColumn + i);
    }
    for (int c = 0; c < p::kCaptureCount; ++c) {
        const int row = kFirstCaptureRow + c;
        grid->addWidget(c == 0 ? firstCaptureLabel : take(rowLabels[at(c)]), row, kRowLabelColumn, 1, 2);
        for (int i = 0; i < 3; ++i)
            grid->addWidget(take(p::kCaptureControlBoxes[index][at(3 * c + i)]), row, kFirstBoxColumn + i);
    }
    new VisibilityWatch(firstCaptureLabel, *binder().store().find(rowLabels[0]),
                        [captureHeadings](bool shown) {
                            for (const QPointer<QWidget>& h : captureHeadings)
                                if (h)
                                    h->setVisible(shown);
                        });

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

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);

    // The figures, and the unit's own clock where the device divides per peripheral.
    auto* figuresRow = new QHBoxLayout;
    auto* figures = new QVBoxLayout;
    figures->setSpacing(2);
    figures->addWidget(take(p::clockLabelName(unit)));
    figures->addWidget(take(p::tickLabelName(unit)));
    figures->addWidget(take(p::frequencyLabelName(unit)));
    figuresRow->addLayout(figures);
    figuresRow->addStretch(1);
    arrangeClockPanel(unit);
    figuresRow->addWidget(take(p::clockPanelName(unit)), 0, Qt::AlignVCenter);
    column->addLayout(figuresRow);

    // Two lines kept for the hint, so the unit does not jump as the mouse moves.
    auto* hint = takeAs<QLabel>(p::hintLabelName(unit));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setMinimumHeight(2 * hint->fontMetrics().lineSpacing() + 2);
    hint->setForegroundRole(QPalette::PlaceholderText);
    column->addWidget(hint);
}

void PwmPageView::arrangeClockPanel(int unit) {
    const std::string panelName = p::clockPanelName(unit);
    QWidget* panel = binder().widget(panelName);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(take(panelName + "_label"));
    row->addWidget(take(p::clockDividerName(unit)));
    QWidget* clock = take(p::clockEditName(unit));
    clock->setFixedWidth(clock->fontMetrics().horizontalAdvance(QStringLiteral("200.000")) + 14);
    row->addWidget(clock);
    row->addWidget(take(panelName + "_unit"));
}

void PwmPageView::finishArrangement() {
    for (int unit = 0; unit < p::kPwmCount; ++unit)
        binder().widget(p::coverPanelName(unit))->raise();
}

} // namespace regforge::gui::pages
