#include "gui/pages/SpiPageView.h"

#include "gui/binding/Binder.h"
#include "gui/pages/ColumnFlowLayout.h"
#include "gui/pages/ViewParts.h"
#include "gui/widgets/CaptionPanel.h"
#include "periph/spi/SpiControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace regforge::gui::pages {

namespace s = periph::spi;

namespace {

// Grid columns of a port's registers: the register name, then what it holds.
constexpr int kNameColumn = 0;
constexpr int kFieldsColumn = 1;

} // namespace

SpiPageView::SpiPageView(const binding::Binder& binder) : PageView(binder, s::kTab.name) {}

void SpiPageView::arrangeContent(QVBoxLayout* body) {
    // Four ports are taller than the page: they scroll below the clock bar.
    const ScrolledColumn scrolled = scrolledColumn();
    scroll_ = scrolled.area;
    // Side by side where the page is wide enough.
    auto* ports = new ColumnFlowLayout;
    scrolled.column->addLayout(ports);

    ports->addWidget(arrangePort(s::kSpiEnableBox, s::kSpiGroupBox, s::kSpiCoverPanel));
    for (int ssp = 0; ssp < s::kSspCount; ++ssp)
        ports->addWidget(arrangePort(s::sspControl(ssp, "_checkbox"), s::sspControl(ssp, "_GroupBox"),
                                     s::sspControl(ssp, "_Panel")));
    scrolled.column->addStretch(1);
    addScrolled(body, scrolled);
}

QWidget* SpiPageView::arrangePort(const std::string& enableBox, const std::string& groupBox,
                                  const std::string& cover) {
    QWidget* enable = take(enableBox);
    QWidget* group = take(groupBox);
    if (groupBox == s::kSpiGroupBox)
        arrangeSpi(group);
    else
        arrangeSsp(groupBox[3] - '0', group);
    return coveredBlock(enable, group, takeAs<widgets::CaptionPanel>(cover), 16, 1.1);
}

void SpiPageView::arrangeSpi(QWidget* groupBox) {
    QVBoxLayout* column = registerColumn(groupBox);
    auto* grid = registerGrid();

    // SPCR: the six boxes, then the transfer length (its cover panel in the same cell) and
    // the clock mode.
    auto* boxes = fieldRow();
    for (const char* name : s::kSpiBoxNames)
        boxes->addWidget(take(name));
    boxes->addStretch(1);
    grid->addWidget(registerName("SPCR"), 0, kNameColumn);
    grid->addLayout(boxes, 0, kFieldsColumn);

    auto* settings = fieldRow();
    auto* lengthCell = new QGridLayout;
    lengthCell->setContentsMargins(0, 0, 0, 0);
    QWidget* length = take(s::kSpiBitsCombo);
    lengthCell->addWidget(length, 0, 0);
    auto* lengthCover = take(s::kSpiBitsPanel);
    if (auto* caption = qobject_cast<widgets::CaptionPanel*>(lengthCover))
        caption->setPadding(2);
    lengthCover->setAutoFillBackground(true);
    lengthCell->addWidget(lengthCover, 0, 0);
    settings->addLayout(lengthCell);
    settings->addWidget(fieldName("Clock mode"));
    settings->addWidget(take(s::kSpiModeCombo));
    settings->addWidget(take(s::kSpiHelpButton));
    settings->addStretch(1);
    grid->addLayout(settings, 1, kFieldsColumn);

    grid->addWidget(registerName("SPCCR"), 2, kNameColumn);
    grid->addLayout(dividerRow("Counter", s::kSpiCounterEdit, {}), 2, kFieldsColumn);
    grid->addLayout(figureRow(0, s::kSpiClockLabel), 3, kFieldsColumn);
    finishUnitColumn(column, grid, kFieldsColumn, takeAs<QLabel>(s::kSpiHintLabel));
}

void SpiPageView::arrangeSsp(int ssp, QWidget* groupBox) {
    const auto name = [ssp](const char* suffix) { return s::sspControl(ssp, suffix); };
    QVBoxLayout* column = registerColumn(groupBox);
    auto* grid = registerGrid();

    // CR0: frame format and data size, then the clock mode with its two boxes.
    auto* format = fieldRow();
    format->addWidget(take(name("FRF_ComboBox")));
    format->addWidget(take(name("DSS_ComboBox")));
    format->addStretch(1);
    grid->addWidget(registerName("CR0"), 0, kNameColumn);
    grid->addLayout(format, 0, kFieldsColumn);
    auto* mode = fieldRow();
    mode->addWidget(fieldName("Clock mode"));
    mode->addWidget(take(name("Mode_ComboBox")));
    mode->addWidget(take(name("CPOL_CheckBox")));
    mode->addWidget(take(name("CPHA_CheckBox")));
    mode->addWidget(take(name("modesHelp_SpeedButton")));
    mode->addStretch(1);
    grid->addLayout(mode, 1, kFieldsColumn);

    auto* control = fieldRow();
    for (const char* suffix : {"LBM_CheckBox", "SSE_CheckBox", "MS_CheckBox", "SOD_CheckBox"})
        control->addWidget(take(name(suffix)));
    control->addStretch(1);
    grid->addWidget(registerName("CR1"), 2, kNameColumn);
    grid->addLayout(control, 2, kFieldsColumn);

    // The interrupt mask, and the DMA enables beside it where the device has them.
    auto* interrupts = fieldRow();
    for (const char* suffix : s::kSspInterruptSuffixes)
        interrupts->addWidget(take(name(suffix)));
    interrupts->addSpacing(8);
    interrupts->addWidget(take(name("RXDMAE_CheckBox")));
    interrupts->addWidget(take(name("TXDMAE_CheckBox")));
    interrupts->addStretch(1);
    grid->addWidget(registerName("IMSC"), 3, kNameColumn);
    grid->addLayout(interrupts, 3, kFieldsColumn);

    grid->addWidget(registerName("CPSR"), 4, kNameColumn);
    grid->addLayout(dividerRow("CPSDVSR", name("CPSDVSR_edit"), name("SCR_edit")), 4, kFieldsColumn);
    grid->addLayout(figureRow(ssp + 1, name("clock_label")), 5, kFieldsColumn);
    finishUnitColumn(column, grid, kFieldsColumn, takeAs<QLabel>(name("Hint_Label")));
}

QLayout* SpiPageView::dividerRow(const std::string& dividerLabel, const std::string& dividerEdit,
                                 const std::string& rateEdit) {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(6);
    layout->addWidget(fieldName(dividerLabel.c_str()));
    QWidget* divider = take(dividerEdit);
    sizeDividerEdit(divider);
    layout->addWidget(divider);
    if (!rateEdit.empty()) {
        layout->addSpacing(12);
        layout->addWidget(fieldName("SCR"));
        QWidget* rate = take(rateEdit);
        sizeDividerEdit(rate);
        layout->addWidget(rate);
    }
    layout->addStretch(1);
    return layout;
}

QLayout* SpiPageView::figureRow(int port, const std::string& clockLabel) {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(6);
    layout->addWidget(take(clockLabel));
    layout->addStretch(1);

    layout->addWidget(
        takeClockPanel(s::clockPanelName(port), s::clockDividerName(port), s::clockEditName(port)), 0,
        Qt::AlignVCenter);
    return layout;
}

void SpiPageView::finishArrangement() {
    binder().widget(s::kSpiBitsPanel)->raise();
    binder().widget(s::kSpiCoverPanel)->raise();
    for (int ssp = 0; ssp < s::kSspCount; ++ssp)
        binder().widget(s::sspControl(ssp, "_Panel"))->raise();
}

} // namespace regforge::gui::pages
