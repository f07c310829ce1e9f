#include "gui/pages/TimersPageView.h"

#include "gui/binding/Binder.h"
#include "gui/widgets/CaptionPanel.h"
#include "periph/timer/TimerControls.h"

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

// Calls back whenever the model shows or hides the control behind `source`, and once now.
// View-made captions come and go with the rows they head this way, and timers 0/1 give way
// to PanelTimers23.
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

// Room for "0x" and eight digits, so 16- and 32-bit timers line up alike.
void sizeRegisterEdit(QWidget* edit) {
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0x00000000")) + 14);
}

} // namespace

TimersPageView::TimersPageView(const binding::Binder& binder) : PageView(binder, "TabSheet4") {}

void TimersPageView::arrangeContent(QVBoxLayout* body) {
    auto* switchRow = new QHBoxLayout;
    switchRow->setSpacing(12);
    switchRow->addWidget(new QLabel(QObject::tr("Show timers")));
    switchRow->addWidget(take("ShowTimer01RadioButton"));
    switchRow->addWidget(take("ShowTimer23RadioButton"));
    switchRow->addStretch(1);
    body->addLayout(switchRow);

    // Two timers are taller than the page: they scroll below the clock bar and the switch.
    scroll_ = new QScrollArea;
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->setAutoFillBackground(false);
    auto* column = new QWidget;
    column->setAutoFillBackground(false);
    auto* timers = new QVBoxLayout(column);
    timers->setContentsMargins(0, 4, 4, 0);
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
    new VisibilityWatch(secondPair, *binder().store().find("PanelTimers23"),
                        [firstPair = QPointer<QWidget>(firstPair),
                         scroll = QPointer<QScrollArea>(scroll_)](bool secondShown) {
                            if (firstPair)
                                firstPair->setVisible(!secondShown);
                            if (scroll)
                                scroll->verticalScrollBar()->setValue(0);
                        });

    scroll_->setWidget(column);
    body->addWidget(scroll_, 1);
}

QWidget* TimersPageView::arrangeTimer(int timer) {
    auto* block = new QWidget;
    auto* column = new QVBoxLayout(block);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(take(t::enableBoxName(timer)));

    // The cover lies on the registers in the same cell while the timer is off.
    auto* cell = new QGridLayout;
    cell->setContentsMargins(0, 0, 0, 0);
    QWidget* groupBox = take(t::groupBoxName(timer));
    arrangeRegisters(timer, groupBox);
    cell->addWidget(groupBox, 0, 0);
    auto* cover = takeAs<widgets::CaptionPanel>(t::coverPanelName(timer));
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

void TimersPageView::arrangeRegisters(int timer, QWidget* groupBox) {
    const auto index = at(timer);
    auto* column = new QVBoxLayout(groupBox);
    column->setContentsMargins(10, 8, 10, 8);
    column->setSpacing(8);

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
    grid->addWidget(heading("Match"), kMatchHeadingRow, kRowLabelColumn, 1, 2);
    for (int i = 0; i < 3; ++i)
        grid->addWidget(heading(kMatchHeadings[i]), kMatchHeadingRow, kFirstBoxColumn + i);
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
    auto* modeRow = new QHBoxLayout;
    modeRow->setSpacing(6);
    modeRow->addWidget(take(t::modeComboName(timer)));
    modeRow->addWidget(take(t::countInputComboName(timer)));
    modeRow->addStretch(1);
    grid->addLayout(modeRow, kModeRow, 0, 1, kColumnCount);

    // Capture rows, and beside them the external match outputs with their actions.
    const auto& rowLabels = t::kCaptureRowLabels[index];
    QWidget* firstCaptureLabel = take(rowLabels[0]);
    std::vector<QPointer<QWidget>> captureHeadings;
    captureHeadings.push_back(heading("Capture"));
    grid->addWidget(captureHeadings.back(), kCaptureHeadingRow, kRowLabelColumn, 1, 2);
    for (int i = 0; i < 3; ++i) {
        captureHeadings.push_back(heading(kCaptureHeadings[i]));
        grid->addWidget(captureHeadings.back(), kCaptureHeadingRow, kFirstBoxColumn + i);
    }
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
    new VisibilityWatch(firstCaptureLabel, *binder().store().find(rowLabels[0]),
                        [captureHeadings](bool shown) {
                            for (const QPointer<QWidget>& h : captureHeadings)
                                if (h)
                                    h->setVisible(shown);
                        });

    grid->setColumnStretch(kColumnCount - 1, 1);
    column->addLayout(grid);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);

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

    // Two lines kept for the hint, so the timer does not jump as the mouse moves.
    auto* hint = takeAs<QLabel>(t::hintLabelName(timer));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setMinimumHeight(2 * hint->fontMetrics().lineSpacing() + 2);
    hint->setForegroundRole(QPalette::PlaceholderText);
    column->addWidget(hint);
}

void TimersPageView::arrangeClockPanel(int timer) {
    const std::string panelName = t::timerControl(timer, "pclk_panel");
    QWidget* panel = binder().widget(panelName);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(take(panelName + "_label"));
    row->addWidget(take(t::timerControl(timer, "pclk_div")));
    QWidget* clock = take(t::timerControl(timer, "pclock_edit"));
    clock->setFixedWidth(clock->fontMetrics().horizontalAdvance(QStringLiteral("200.000")) + 14);
    row->addWidget(clock);
    row->addWidget(take(panelName + "_unit"));
}

void TimersPageView::finishArrangement() {
    for (int timer = 0; timer < t::kTimerCount; ++timer)
        binder().widget(t::coverPanelName(timer))->raise();
}

} // namespace regforge::gui::pages
