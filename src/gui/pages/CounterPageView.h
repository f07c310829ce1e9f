#pragma once

#include "gui/pages/PageView.h"

#include <string>
#include <vector>

class QGridLayout;
class QHBoxLayout;

namespace regforge::gui::pages {

// What the timer and PWM views lay out alike: the counter rows, the capture rows and the
// figures with the unit's own clock. Both grids share their first columns and rows.
class CounterPageView : public PageView {
public:
    using PageView::PageView;

protected:
    static constexpr int kRowLabelColumn = 0;
    static constexpr int kValueColumn = 1;
    static constexpr int kFirstBoxColumn = 2;
    static constexpr int kCounterRow = 0;
    static constexpr int kPrescaleRow = 1;
    static constexpr int kMatchHeadingRow = 2;
    static constexpr int kFirstMatchRow = 3;

    // TC with the TCR boxes beside it (up to `columnCount`), PR below it.
    void addCounterRows(QGridLayout* grid, const std::string& counter, const std::string& prescale,
                        const std::vector<std::string>& controlBoxes, int columnCount);
    // The capture heading row and one row per input: its label over the first two columns and
    // its three CCR boxes (`boxes` holds three names per row). The headings show only while
    // the first row does: a unit without capture inputs has none.
    void addCaptureRows(QGridLayout* grid, int headingRow, const std::vector<std::string>& rowLabels,
                        const std::vector<std::string>& boxes);
    // The figure labels above each other, and on the right the unit's own clock panel.
    QHBoxLayout* figuresRow(const std::vector<std::string>& figureLabels, const std::string& panel,
                            const std::string& divider, const std::string& clock);
};

} // namespace regforge::gui::pages
