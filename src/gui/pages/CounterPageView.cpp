#include "gui/pages/CounterPageView.h"

#include "gui/binding/Binder.h"
#include "gui/pages/ViewParts.h"
#include "model/ControlStore.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace regforge::gui::pages {

namespace {
constexpr const char* kCaptureHeadings[] = {"Rise", "Fall", "Int"};
} // namespace

void CounterPageView::addCounterRows(QGridLayout* grid, const std::string& counter,
                                     const std::string& prescale,
                                     const std::vector<std::string>& controlBoxes, int columnCount) {
    QWidget* counterEdit = take(counter);
    QWidget* prescaleEdit = take(prescale);
    sizeRegisterEdit(counterEdit);
    sizeRegisterEdit(prescaleEdit);
    grid->addWidget(new QLabel(QStringLiteral("TC")), kCounterRow, kRowLabelColumn);
    grid->addWidget(counterEdit, kCounterRow, kValueColumn);
    auto* control = new QHBoxLayout;
    control->setSpacing(16);
    for (const auto& box : controlBoxes)
        control->addWidget(take(box));
    control->addStretch(1);
    grid->addLayout(control, kCounterRow, kFirstBoxColumn, 1, columnCount - kFirstBoxColumn);
    grid->addWidget(new QLabel(QStringLiteral("PR")), kPrescaleRow, kRowLabelColumn);
    grid->addWidget(prescaleEdit, kPrescaleRow, kValueColumn);
}

void CounterPageView::addCaptureRows(QGridLayout* grid, int headingRow,
                                     const std::vector<std::string>& rowLabels,
                                     const std::vector<std::string>& boxes) {
    QWidget* firstLabel = take(rowLabels.front());
    std::vector<QPointer<QWidget>> headings =
        addHeadingRow(grid, headingRow, kRowLabelColumn, kFirstBoxColumn, "Capture", kCaptureHeadings);
    for (std::size_t c = 0; c < rowLabels.size(); ++c) {
        const int row = headingRow + 1 + static_cast<int>(c);
        grid->addWidget(c == 0 ? firstLabel : take(rowLabels[c]), row, kRowLabelColumn, 1, 2);
        for (std::size_t i = 0; i < 3; ++i)
            grid->addWidget(take(boxes.at(3 * c + i)), row, kFirstBoxColumn + static_cast<int>(i));
    }
    showAlongWith(firstLabel, *binder().store().find(rowLabels.front()), headings);
}

QHBoxLayout* CounterPageView::figuresRow(const std::vector<std::string>& figureLabels,
                                         const std::string& panel, const std::string& divider,
                                         const std::string& clock) {
    auto* row = new QHBoxLayout;
    auto* figures = new QVBoxLayout;
    figures->setSpacing(2);
    for (const auto& label : figureLabels)
        figures->addWidget(take(label));
    row->addLayout(figures);
    row->addStretch(1);
    arrangeClockPanel(binder().widget(panel), take(panel + "_label"), take(divider), take(clock),
                      take(panel + "_unit"));
    row->addWidget(take(panel), 0, Qt::AlignVCenter);
    return row;
}

} // namespace regforge::gui::pages
