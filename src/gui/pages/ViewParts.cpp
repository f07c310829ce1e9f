#include "gui/pages/ViewParts.h"

#include "gui/widgets/CaptionPanel.h"
#include "model/Control.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <utility>

namespace regforge::gui::pages {

VisibilityWatch::VisibilityWatch(QWidget* source, const model::Control& control,
                                 std::function<void(bool)> follow)
    : QObject(source), control_(control), follow_(std::move(follow)) {
    source->installEventFilter(this);
    follow_(control_.visible());
}

bool VisibilityWatch::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        follow_(control_.visible());
    return false;
}

void showAlongWith(QWidget* source, const model::Control& control, std::vector<QPointer<QWidget>> followers) {
    new VisibilityWatch(source, control, [followers = std::move(followers)](bool shown) {
        for (const QPointer<QWidget>& follower : followers)
            if (follower)
                follower->setVisible(shown);
    });
}

void showOneOfPair(QWidget* first, QWidget* second, const model::Control& secondControl,
                   QScrollArea* scroll) {
    new VisibilityWatch(
        second, secondControl,
        [first = QPointer<QWidget>(first), scroll = QPointer<QScrollArea>(scroll)](bool shown) {
            if (first)
                first->setVisible(!shown);
            if (scroll)
                scroll->verticalScrollBar()->setValue(0);
        });
}

QLabel* heading(const char* text) {
    auto* label = new QLabel(QObject::tr(text));
    label->setForegroundRole(QPalette::WindowText);
    label->setContentsMargins(0, 6, 0, 0);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return label;
}

std::vector<QPointer<QWidget>> addHeadingRow(QGridLayout* grid, int row, int labelColumn, int firstBoxColumn,
                                             const char* caption, const char* const (&boxHeadings)[3]) {
    std::vector<QPointer<QWidget>> headings;
    headings.push_back(heading(caption));
    grid->addWidget(headings.back(), row, labelColumn, 1, 2);
    for (int i = 0; i < 3; ++i) {
        headings.push_back(heading(boxHeadings[i]));
        grid->addWidget(headings.back(), row, firstBoxColumn + i);
    }
    return headings;
}

QHBoxLayout* modeSentenceRow(QWidget* mode, QWidget* countInput) {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(mode);
    row->addWidget(countInput);
    row->addStretch(1);
    return row;
}

QHBoxLayout* pairSwitchRow(const char* caption, QWidget* showFirst, QWidget* showSecond) {
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(new QLabel(QObject::tr(caption)));
    row->addWidget(showFirst);
    row->addWidget(showSecond);
    row->addStretch(1);
    return row;
}

void sizeRegisterEdit(QWidget* edit) {
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0x00000000")) + 14);
}

void sizeDividerEdit(QWidget* edit) {
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14);
}

ScrolledColumn scrolledColumn() {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->viewport()->setAutoFillBackground(false);
    auto* sheet = new QWidget;
    sheet->setAutoFillBackground(false);
    auto* column = new QVBoxLayout(sheet);
    column->setContentsMargins(0, 4, 4, 0);
    return {area, sheet, column};
}

void addScrolled(QVBoxLayout* body, const ScrolledColumn& scrolled) {
    scrolled.area->setWidget(scrolled.sheet);
    body->addWidget(scrolled.area, 1);
}

QWidget* coveredBlock(QWidget* enableBox, QWidget* groupBox, widgets::CaptionPanel* cover, int coverPadding,
                      double coverFontScale) {
    auto* block = new QWidget;
    auto* column = new QVBoxLayout(block);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(enableBox);

    auto* cell = new QGridLayout;
    cell->setContentsMargins(0, 0, 0, 0);
    cell->addWidget(groupBox, 0, 0);
    cover->setFrameShape(QFrame::StyledPanel);
    cover->setFrameShadow(QFrame::Sunken);
    cover->setAutoFillBackground(true);
    cover->setPadding(coverPadding);
    if (coverFontScale != 1.0) {
        QFont font = cover->font();
        font.setPointSizeF(font.pointSizeF() * coverFontScale);
        cover->setFont(font);
    }
    cell->addWidget(cover, 0, 0);
    column->addLayout(cell);
    return block;
}

QVBoxLayout* registerColumn(QWidget* groupBox) {
    auto* column = new QVBoxLayout(groupBox);
    column->setContentsMargins(10, 8, 10, 8);
    column->setSpacing(8);
    return column;
}

QGridLayout* registerGrid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    return grid;
}

QLabel* registerName(const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text));
    label->setForegroundRole(QPalette::WindowText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* fieldName(const char* text) {
    return new QLabel(QString::fromLatin1(text));
}

QHBoxLayout* fieldRow() {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(8);
    return layout;
}

void finishUnitColumn(QVBoxLayout* column, QGridLayout* grid, int fieldsColumn, QLabel* hint) {
    grid->setColumnStretch(fieldsColumn, 1);
    column->addLayout(grid);
    addSeparator(column);
    addHint(column, hint);
}

void addSeparator(QBoxLayout* column) {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);
}

void addHint(QBoxLayout* column, QLabel* hint) {
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setMinimumHeight(2 * hint->fontMetrics().lineSpacing() + 2);
    hint->setForegroundRole(QPalette::WindowText);
    column->addWidget(hint);
}

void arrangeClockPanel(QWidget* panel, QWidget* caption, QWidget* divider, QWidget* clock, QWidget* unit) {
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(caption);
    row->addWidget(divider);
    clock->setFixedWidth(clock->fontMetrics().horizontalAdvance(QStringLiteral("200.000")) + 14);
    row->addWidget(clock);
    row->addWidget(unit);
}

} // namespace regforge::gui::pages
