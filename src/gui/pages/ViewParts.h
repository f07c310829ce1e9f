#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QBoxLayout;
class QEvent;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QScrollArea;
class QVBoxLayout;
class QWidget;

namespace regforge::model {
class Control;
}

namespace regforge::gui::widgets {
class CaptionPanel;
}

namespace regforge::gui::pages {

// Calls back whenever the model shows or hides the control behind `source`, and once now.
// View-made captions come and go with the rows they head this way, and one unit of a pair
// gives way to the other.
class VisibilityWatch : public QObject {
public:
    VisibilityWatch(QWidget* source, const model::Control& control, std::function<void(bool)> follow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const model::Control& control_;
    std::function<void(bool)> follow_;
};

// Shows the view-made `followers` exactly while the model shows the control behind `source`.
void showAlongWith(QWidget* source, const model::Control& control, std::vector<QPointer<QWidget>> followers);

// Shows `first` only while the model hides the control behind `second` (one unit of a pair
// at a time), and scrolls back to the top at each switch.
void showOneOfPair(QWidget* first, QWidget* second, const model::Control& secondControl, QScrollArea* scroll);

// A caption over a block of rows or a column of boxes, in the text colour (readable on the
// window colour), with a little air above it.
QLabel* heading(const char* text);

// A register grid's heading row: `caption` over the label and value columns (from
// `labelColumn`), and one heading over each of the three box columns from `firstBoxColumn`.
// Returns the headings, so they can follow the rows they head.
std::vector<QPointer<QWidget>> addHeadingRow(QGridLayout* grid, int row, int labelColumn, int firstBoxColumn,
                                             const char* caption, const char* const (&boxHeadings)[3]);

// The counter mode as one sentence: the mode combo, then the count input combo.
QHBoxLayout* modeSentenceRow(QWidget* mode, QWidget* countInput);

// A row with a caption and the two radio buttons that pick which unit of a pair is shown.
QHBoxLayout* pairSwitchRow(const char* caption, QWidget* showFirst, QWidget* showSecond);

// Room for "0x" and eight digits, so 16- and 32-bit registers line up alike.
void sizeRegisterEdit(QWidget* edit);
// Room for three digits, so every divider edit is alike.
void sizeDividerEdit(QWidget* edit);

// A page body that scrolls vertically below the clock bar and lies on the page itself: the
// area, the sheet it scrolls and the sheet's column. `addScrolled` puts it into the body once
// the column is filled.
struct ScrolledColumn {
    QScrollArea* area;
    QWidget* sheet;
    QVBoxLayout* column;
};
ScrolledColumn scrolledColumn();
void addScrolled(QVBoxLayout* body, const ScrolledColumn& scrolled);

// A unit's block: its enable box above, and below it one cell where the cover lies on the
// register group while the unit is off. The view raises the covers once everything is placed.
QWidget* coveredBlock(QWidget* enableBox, QWidget* groupBox, widgets::CaptionPanel* cover, int coverPadding,
                      double coverFontScale = 1.0);

// The column inside a unit's register group.
QVBoxLayout* registerColumn(QWidget* groupBox);

// A unit's register grid: register names in the first column, what they hold in the second.
QGridLayout* registerGrid();
// A register's name at the left of the grid.
QLabel* registerName(const char* text);
// A view-made caption in front of a field.
QLabel* fieldName(const char* text);
// One row of fields in the grid.
QHBoxLayout* fieldRow();
// Closes a unit's column: the grid (its field column stretching), the separator and the hint.
void finishUnitColumn(QVBoxLayout* column, QGridLayout* grid, int fieldsColumn, QLabel* hint);

// A sunken line across the column.
void addSeparator(QBoxLayout* column);

// Two lines kept for the hint, so the unit does not jump as the mouse moves.
void addHint(QBoxLayout* column, QLabel* hint);

// The clock panel's row: caption, divider, the clock edit sized for "200.000", unit.
void arrangeClockPanel(QWidget* panel, QWidget* caption, QWidget* divider, QWidget* clock, QWidget* unit);

} // namespace regforge::gui::pages
