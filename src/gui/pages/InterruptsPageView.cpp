#include "gui/pages/InterruptsPageView.h"

#include "gui/pages/ColumnFlowLayout.h"
#include "gui/pages/ViewParts.h"
#include "gui/widgets/DrawnIcons.h"
#include "gui/widgets/PinIcons.h"
#include "periph/irq/IrqControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace regforge::gui::pages {

namespace irq = periph::irq;

namespace {

constexpr int kIconSize = 16;

void setIcon(QWidget* button, widgets::DrawnIcon icon) {
    if (auto* b = qobject_cast<QAbstractButton*>(button))
        b->setIcon(widgets::drawnIcon(icon));
}

void setText(QWidget* button, const char* text) {
    if (auto* b = qobject_cast<QAbstractButton*>(button))
        b->setText(QObject::tr(text));
}

} // namespace

InterruptsPageView::InterruptsPageView(const binding::Binder& binder) : PageView(binder, irq::kPage) {}

void InterruptsPageView::arrangeContent(QVBoxLayout* body) {
    // The sources over the triggers, in one column that scrolls below the clock bar, or side by
    // side where the page is wide enough; the lists take the height there is.
    const ScrolledColumn scrolled = scrolledColumn();
    auto* units = new ColumnFlowLayout;
    units->addWidget(arrangeSources());
    units->addWidget(arrangeTriggers());
    scrolled.column->addLayout(units, 1);
    addScrolled(body, scrolled);
}

QWidget* InterruptsPageView::arrangeSources() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(take(irq::kSourcesLabel));

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(take(irq::kSourceCombo), 1);
    QWidget* add = take(irq::kAddButton);
    setIcon(add, widgets::DrawnIcon::ArrowDown);
    QWidget* vector = take(irq::kVectorIrqButton);
    setText(vector, "IRQ");
    QWidget* fast = take(irq::kFastIrqButton);
    setText(fast, "FIQ");
    for (QWidget* button : {add, vector, fast})
        sourceRow->addWidget(button);
    layout->addLayout(sourceRow);
    layout->addWidget(take(irq::kDescriptionLabel));

    auto* listRow = new QHBoxLayout;
    auto* list = takeAs<QListWidget>(irq::kSlotList);
    list->setMinimumHeight(240);
    listRow->addWidget(list, 1);
    auto* buttons = new QVBoxLayout;
    QWidget* up = take(irq::kMoveUpButton);
    setIcon(up, widgets::DrawnIcon::ArrowUp);
    QWidget* down = take(irq::kMoveDownButton);
    setIcon(down, widgets::DrawnIcon::ArrowDown);
    buttons->addWidget(take(irq::kFreeButton));
    buttons->addWidget(up);
    buttons->addWidget(down);
    buttons->addStretch(1);
    listRow->addLayout(buttons);
    layout->addLayout(listRow, 1);

    layout->addWidget(take(irq::kFiqLegend));
    layout->addWidget(take(irq::kSlotLegend));
    for (const char* info : irq::kInfoLabels) {
        auto* label = takeAs<QLabel>(info);
        if (label != nullptr)
            label->setForegroundRole(QPalette::WindowText);
        layout->addWidget(label);
    }
    return column;
}

QWidget* InterruptsPageView::arrangeTriggers() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    QWidget* group = take(irq::kEintGroup);
    auto* rows = new QGridLayout(group);
    for (int n = 0; n < irq::kEintCount; ++n) {
        rows->addWidget(take(irq::eintLabelName(n)), n, 0);
        rows->addWidget(take(irq::eintModeName(n)), n, 1);
        rows->addWidget(take(irq::eintPolarityName(n)), n, 2);
        rows->addWidget(take(irq::eintWakeName(n)), n, 3);
    }
    rows->setColumnStretch(1, 1);
    rows->setColumnStretch(2, 1);
    layout->addWidget(group);

    // The frame panels carry nothing of their own; they come and go with the tree.
    layout->addWidget(take(irq::kGpioTopPanel));
    auto* treeRow = new QHBoxLayout;
    treeRow->addWidget(take(irq::kGpioLeftPanel));
    auto* treeColumn = new QVBoxLayout;
    treeColumn->addWidget(take(irq::kGpioLabel));
    auto* tree = takeAs<QTreeWidget>(irq::kGpioTree);
    tree->setMinimumHeight(200);
    treeColumn->addWidget(tree, 1);
    treeRow->addLayout(treeColumn, 1);

    auto* legends = new QVBoxLayout;
    static constexpr int kEdgeStates[] = {irq::kGpioDisabled, irq::kGpioRising, irq::kGpioFalling,
                                          irq::kGpioBoth};
    static constexpr int kEdgeLevelImages[] = {irq::kGpioEdgeImage, irq::kGpioLevelImage};
    QWidget* edges = take(irq::kGpioLegend);
    fillLegend(edges, irq::kGpioLegendTexts.data(), kEdgeStates, 4, irq::kGpioImageList);
    QWidget* levels = take(irq::kGpioLegendLevels);
    fillLegend(levels, irq::kGpioLegendLevelTexts.data(), kEdgeStates, 4, irq::kGpioImageList);
    QWidget* edgeLevel = take(irq::kGpioLegendEdgeLevel);
    fillLegend(edgeLevel, irq::kGpioLegendEdgeLevelTexts.data(), kEdgeLevelImages, 2, irq::kGpioImageList);
    legends->addWidget(edges);
    legends->addWidget(levels);
    legends->addWidget(edgeLevel);
    legends->addStretch(1);
    treeRow->addLayout(legends);
    layout->addLayout(treeRow, 1);
    return column;
}

// One row per legend entry: the icon the tree draws for the value, then its text.
void InterruptsPageView::fillLegend(QWidget* panel, const char* const* texts, const int* values, int count,
                                    const char* imageList) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 4, 4, 4);
    const qreal ratio = panel->devicePixelRatioF();
    for (int i = 0; i < count; ++i) {
        auto* icon = new QLabel;
        if (const auto glyph = widgets::glyphInList(imageList, values[i]))
            icon->setPixmap(widgets::glyphPixmap(*glyph, kIconSize, ratio));
        grid->addWidget(icon, i, 0);
        grid->addWidget(new QLabel(QObject::tr(texts[i])), i, 1);
    }
    grid->setColumnStretch(1, 1);
}

} // namespace regforge::gui::pages
