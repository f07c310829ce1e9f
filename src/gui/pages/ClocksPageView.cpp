#include "gui/pages/ClocksPageView.h"

#include "gui/binding/Binder.h"
#include "gui/pages/ViewParts.h"
#include "gui/widgets/CaptionPanel.h"
#include "periph/clock/ClockControls.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace regforge::gui::pages {

namespace c = periph::clock;

namespace {

// Grid columns of the solver's inputs: caption, value, unit, then the room left.
constexpr int kCaptionColumn = 0;
constexpr int kValueColumn = 1;
constexpr int kUnitColumn = 2;
constexpr int kRestColumn = 3;
constexpr int kColumnCount = 4;

// Room for "200.000", like the clock edits of the clock bar and the units' clock panels.
void sizeClockEdit(QWidget* edit) {
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("200.000")) + 14);
}

// A setting's item is a whole sentence: the combo takes the width it is given and shows
// what fits, so a long item never widens the page.
void letComboFill(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(24);
        combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
}

} // namespace

ClocksPageView::ClocksPageView(const binding::Binder& binder) : PageView(binder, c::kTab.name) {}

void ClocksPageView::arrangeContent(QVBoxLayout* body) {
    // Like the other pages, the page scrolls below the clock bar when the window is small.
    const ScrolledColumn scrolled = scrolledColumn();
    QWidget* enableBox = take(c::kEnableBox);
    QWidget* groupBox = take(c::kGroupBox);

    QVBoxLayout* column = registerColumn(groupBox);
    column->addLayout(inputGrid());
    addSeparator(column);
    column->addWidget(treePanel());
    column->addLayout(figureGrid());

    scrolled.column->addWidget(
        coveredBlock(enableBox, groupBox, takeAs<widgets::CaptionPanel>(c::kCoverPanel), 16, 1.1));
    scrolled.column->addStretch(1);
    addScrolled(body, scrolled);
}

QGridLayout* ClocksPageView::inputGrid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    grid->addWidget(take(c::kSourceLabel), 0, kCaptionColumn);
    grid->addWidget(take(c::kSourceCombo), 0, kValueColumn, 1, 2, Qt::AlignLeft);

    const auto clockRow = [&](int row, const char* label, const char* edit, const char* unit) {
        grid->addWidget(take(label), row, kCaptionColumn);
        QWidget* value = take(edit);
        sizeClockEdit(value);
        grid->addWidget(value, row, kValueColumn);
        grid->addWidget(take(unit), row, kUnitColumn);
    };
    clockRow(1, c::kCrystalLabel, c::kCrystalEdit, c::kCrystalUnit);
    clockRow(2, c::kWantedLabel, c::kWantedEdit, c::kWantedUnit);

    // A setting is a whole sentence (multipliers, dividers, CCO, error, USB): its caption
    // stands above it, so the list has the group's full width.
    grid->addWidget(take(c::kSolutionsLabel), 3, kCaptionColumn, 1, kColumnCount);
    QWidget* settings = take(c::kSolutionsList);
    letComboFill(settings);
    grid->addWidget(settings, 4, kCaptionColumn, 1, kColumnCount);
    grid->addWidget(take(c::kUsbBox), 5, kCaptionColumn, 1, kColumnCount);
    // What is wrong with the inputs stands right under them, in red.
    grid->addWidget(textLine(c::kStatusLabel), 6, kCaptionColumn, 1, kColumnCount);
    grid->setColumnStretch(kRestColumn, 1);
    return grid;
}

QWidget* ClocksPageView::treePanel() {
    // The tree reads left to right as the clock flows, on a sunken strip like a read-out; it
    // wraps rather than widen the page, between its segments only (the caption keeps each whole).
    auto* panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(8, 5, 8, 5);
    auto* tree = takeAs<QLabel>(c::kTreeLabel);
    tree->setWordWrap(true);
    tree->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(tree);
    return panel;
}

QGridLayout* ClocksPageView::figureGrid() {
    // The clocks side by side in three columns; the peripheral clocks name every unit with a
    // divider of its own, so they take a whole line and wrap.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(4);
    grid->addWidget(take(c::kInputFigure), 0, 0);
    grid->addWidget(take(c::kCcoFigure), 0, 1);
    grid->addWidget(take(c::kCpuFigure), 0, 2);
    // The flash timing leads the second row: the USB figure after it shows only on parts with USB.
    grid->addWidget(take(c::kFlashFigure), 1, 0);
    grid->addWidget(take(c::kUsbFigure), 1, 1, 1, 2);
    auto* peripherals = takeAs<QLabel>(c::kPclkFigure);
    peripherals->setWordWrap(true);
    grid->addWidget(peripherals, 2, 0, 1, 4);
    // The part's own limit closes the group as a note.
    QLabel* limit = textLine(c::kLimitLabel);
    limit->setForegroundRole(QPalette::WindowText);
    grid->addWidget(limit, 3, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return grid;
}

QLabel* ClocksPageView::textLine(const char* name) {
    auto* line = takeAs<QLabel>(name);
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return line;
}

void ClocksPageView::finishArrangement() {
    binder().widget(c::kCoverPanel)->raise();
}

} // namespace regforge::gui::pages
