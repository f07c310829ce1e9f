#include "gui/widgets/PinLegend.h"

#include "gui/widgets/PinIcons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <array>

namespace regforge::gui::widgets {

namespace {

constexpr int kIconSize = 16;

struct LegendEntry {
    PinGlyph glyph;
    const char* caption;
    const char* hint;
};

constexpr std::array<LegendEntry, 5> kPinEntries = {{
    {PinGlyph::ArrowDownGreen, "In", "GPIO input; click the arrow to make the pin an output"},
    {PinGlyph::ArrowUpRed, "Out", "GPIO output; click the arrow to make the pin an input"},
    {PinGlyph::ArrowDownBlue, "I only", "Input-only pin"},
    {PinGlyph::ArrowUpOrange, "O only", "Output-only pin"},
    {PinGlyph::Ring, "Alt.func",
     "An alternative function is selected on the pin (a red exclamation mark: a "
     "reserved function)"},
}};

constexpr std::array<LegendEntry, 4> kPullEntries = {{
    {PinGlyph::PullUp, "Pull-up",
     "On-chip pull-up resistor. Click the pin's resistor icon to step through the pull modes; "
     "right-click to switch between the two most used"},
    {PinGlyph::PullDown, "Pull-down", "On-chip pull-down resistor"},
    {PinGlyph::Repeater, "Repeater", "Repeater mode: the pin is pulled towards the level it last had"},
    {PinGlyph::NoResistor, "No res", "Neither pull-up nor pull-down resistor"},
}};

// One glyph, drawn for the screen the legend is on.
class GlyphLabel : public QWidget {
public:
    GlyphLabel(PinGlyph glyph, QWidget* parent) : QWidget(parent), glyph_(glyph) {
        setFixedSize(kIconSize, kIconSize);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.drawPixmap(0, 0, glyphPixmap(glyph_, kIconSize, devicePixelRatioF()));
    }

private:
    PinGlyph glyph_;
};

template <std::size_t N>
void addRow(QGridLayout* grid, int row, const QString& title, const std::array<LegendEntry, N>& entries) {
    auto* heading = new QLabel(title);
    heading->setForegroundRole(QPalette::WindowText);
    grid->addWidget(heading, row, 0);
    for (std::size_t i = 0; i < N; ++i) {
        auto* entry = new QWidget;
        auto* line = new QHBoxLayout(entry);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(4);
        line->addWidget(new GlyphLabel(entries[i].glyph, entry));
        line->addWidget(new QLabel(QObject::tr(entries[i].caption), entry));
        line->addStretch(1);
        entry->setToolTip(QObject::tr(entries[i].hint));
        grid->addWidget(entry, row, static_cast<int>(i) + 1);
    }
}

} // namespace

PinLegend::PinLegend(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    addRow(grid, 0, tr("Pins"), kPinEntries);
    addRow(grid, 1, tr("Pull mode"), kPullEntries);
    grid->setColumnStretch(static_cast<int>(kPinEntries.size()) + 1, 1);
}

} // namespace regforge::gui::widgets
