#include "gui/pages/AdcPageView.h"

#include "gui/binding/Binder.h"
#include "gui/pages/ViewParts.h"
#include "gui/widgets/CaptionPanel.h"
#include "gui/widgets/CompactCheckBoxStyle.h"
#include "periph/adc/AdcControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <string>

namespace regforge::gui::pages {

namespace a = periph::adc;

namespace {

QLabel* rowHeading(const char* text) {
    auto* label = new QLabel(QObject::tr(text));
    label->setForegroundRole(QPalette::WindowText);
    return label;
}

// The start items are long sentences; the combo shows what fits and drops down in full, so
// a converter's column does not widen the page.
void letComboShrink(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(10);
    }
}

} // namespace

AdcPageView::AdcPageView(const binding::Binder& binder) : PageView(binder, a::kTab.name) {}

void AdcPageView::arrangeContent(QVBoxLayout* body) {
    // Four converters are taller than the page: they scroll below the clock bar.
    const ScrolledColumn scrolled = scrolledColumn();
    QVBoxLayout* outer = scrolled.column;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(14);
    for (int converter = 0; converter < a::kConverterCount; ++converter)
        grid->addWidget(arrangeConverter(converter), converter / 2, converter % 2, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    outer->addStretch(1);
    addScrolled(body, scrolled);
}

QWidget* AdcPageView::arrangeConverter(int converter) {
    QWidget* enableBox = take(a::enableBoxName(converter));
    QWidget* groupBox = take(a::groupBoxName(converter));
    arrangeRegisters(converter, groupBox);
    return coveredBlock(enableBox, groupBox, takeAs<widgets::CaptionPanel>(a::coverPanelName(converter)), 12);
}

void AdcPageView::arrangeRegisters(int converter, QWidget* groupBox) {
    // Eight numbered boxes must fit half the page: their captions sit close to the boxes.
    auto* column = new QVBoxLayout(groupBox);
    column->setContentsMargins(5, 6, 5, 4);
    column->setSpacing(4);

    // Two columns of converters leave no room for captions beside the channel rows: each row
    // has its heading above it, and its eight boxes share the width evenly.
    const auto boxRow = [&](const char* title, auto boxName) {
        column->addWidget(rowHeading(title));
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        for (int n = 0; n < a::kChannelCount; ++n) {
            if (n > 0)
                row->addStretch(1);
            row->addWidget(take(boxName(converter, n)));
        }
        column->addLayout(row);
    };
    boxRow("Channels (SEL)", a::channelBoxName);
    boxRow("Interrupts (INTEN)", a::interruptBoxName);

    auto* modes = new QHBoxLayout;
    modes->setSpacing(12);
    modes->addWidget(take(a::globalDoneBoxName(converter)));
    modes->addWidget(take(a::powerBoxName(converter)));
    modes->addWidget(take(a::burstBoxName(converter)));
    modes->addStretch(1);
    column->addLayout(modes);

    // The divider and the edge share a row; the combos' items say what they are ("Rising
    // edge", "11 clocks / 10 bit accuracy", the start sentences), so they go without captions,
    // and the two whose items are sentences take the whole width.
    auto* dividerRow = new QHBoxLayout;
    dividerRow->setSpacing(6);
    dividerRow->addWidget(new QLabel(QStringLiteral("CLKDIV")));
    QWidget* clkdiv = take(a::dividerEditName(converter));
    sizeDividerEdit(clkdiv);
    dividerRow->addWidget(clkdiv);
    dividerRow->addStretch(1);
    dividerRow->addWidget(take(a::edgeComboName(converter)));
    column->addLayout(dividerRow);
    for (const std::string& name : {a::conversionClocksComboName(converter), a::startComboName(converter)}) {
        QWidget* combo = take(name);
        letComboShrink(combo);
        column->addWidget(combo);
    }

    addSeparator(column);

    // The figures one under the other: a rate in Msamples/sec would not fit beside the clock.
    column->addWidget(take(a::clockLabelName(converter)));
    column->addWidget(take(a::rateLabelName(converter)));

    // One line kept for each hint, so the converter does not jump as the mouse moves.
    auto* hints = new QHBoxLayout;
    const auto index = static_cast<std::size_t>(converter);
    for (const char* name : {a::kChannelHintLabels[index], a::kInterruptHintLabels[index]}) {
        auto* hint = takeAs<QLabel>(name);
        hint->setMinimumHeight(hint->fontMetrics().lineSpacing() + 2);
        hint->setForegroundRole(QPalette::WindowText);
        hints->addWidget(hint, 1);
    }
    column->addLayout(hints);
    for (QCheckBox* box : groupBox->findChildren<QCheckBox*>())
        widgets::CompactCheckBoxStyle::apply(*box);
}

void AdcPageView::finishArrangement() {
    for (int converter = 0; converter < a::kConverterCount; ++converter)
        binder().widget(a::coverPanelName(converter))->raise();
}

} // namespace regforge::gui::pages
