#include "gui/pages/I2cPageView.h"

#include "gui/binding/Binder.h"
#include "gui/pages/ColumnFlowLayout.h"
#include "gui/pages/ViewParts.h"
#include "gui/widgets/CaptionPanel.h"
#include "periph/i2c/I2cControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace regforge::gui::pages {

namespace c = periph::i2c;

I2cPageView::I2cPageView(const binding::Binder& binder) : PageView(binder, c::kTab.name) {}

void I2cPageView::arrangeContent(QVBoxLayout* body) {
    const ScrolledColumn scrolled = scrolledColumn();
    // Side by side where the page is wide enough.
    auto* buses = new ColumnFlowLayout;
    scrolled.column->addLayout(buses);
    for (int bus = 0; bus < c::kBusCount; ++bus)
        buses->addWidget(arrangeBus(bus));
    scrolled.column->addStretch(1);
    addScrolled(body, scrolled);
}

QWidget* I2cPageView::arrangeBus(int bus) {
    const auto name = [bus](const char* suffix) { return c::busControl(bus, suffix); };
    QWidget* enable = take(c::enableBoxName(bus));
    QWidget* group = take(c::groupBoxName(bus));
    QVBoxLayout* column = registerColumn(group);
    auto* grid = registerGrid();

    // The mode and bit rate, then the duty cycle.
    auto* mode = fieldRow();
    mode->addWidget(take(name("Mode_ComboBox")));
    mode->addWidget(fieldName("Bit rate"));
    mode->addWidget(take(name("Rate_ComboBox")));
    QWidget* rate = take(name("Rate_edit"));
    sizeDividerEdit(rate);
    mode->addWidget(rate);
    mode->addStretch(1);
    grid->addWidget(registerName("CONSET"), 0, 0);
    grid->addLayout(mode, 0, 1);
    auto* duty = fieldRow();
    duty->addWidget(fieldName("Duty cycle"));
    duty->addWidget(take(name("Duty_ComboBox")));
    duty->addStretch(1);
    grid->addLayout(duty, 1, 1);

    // The registers with the unit's clock at the right, and below them the rate they give with
    // what the bus standard says.
    auto* divider = fieldRow();
    for (const char* suffix : {"SCLH_edit", "SCLL_edit"}) {
        divider->addWidget(fieldName(suffix[3] == 'H' ? "SCLH" : "SCLL"));
        QWidget* edit = take(name(suffix));
        sizeDividerEdit(edit);
        divider->addWidget(edit);
    }
    divider->addStretch(1);
    divider->addWidget(
        takeClockPanel(c::clockPanelName(bus), c::clockDividerName(bus), c::clockEditName(bus)), 0,
        Qt::AlignVCenter);
    grid->addWidget(registerName("SCLH/SCLL"), 2, 0);
    grid->addLayout(divider, 2, 1);
    auto* figure = fieldRow();
    figure->addWidget(take(name("Rate_label")), 1);
    grid->addLayout(figure, 3, 1);

    auto* address = fieldRow();
    for (const char* suffix : {"ADR_edit", "MASK_edit"}) {
        QWidget* edit = take(name(suffix));
        sizeRegisterEdit(edit);
        address->addWidget(edit);
    }
    address->addWidget(take(name("GC_CheckBox")));
    address->addStretch(1);
    grid->addWidget(registerName("ADR/MASK"), 4, 0);
    grid->addLayout(address, 4, 1);

    auto* interrupt = fieldRow();
    interrupt->addWidget(take(name("SI_CheckBox")));
    interrupt->addWidget(take(name("Source_label")));
    interrupt->addStretch(1);
    grid->addWidget(registerName("SI"), 5, 0);
    grid->addLayout(interrupt, 5, 1);
    finishUnitColumn(column, grid, 1, takeAs<QLabel>(name("Hint_Label")));
    return coveredBlock(enable, group, takeAs<widgets::CaptionPanel>(c::coverPanelName(bus)), 16, 1.1);
}

void I2cPageView::finishArrangement() {
    for (int bus = 0; bus < c::kBusCount; ++bus)
        binder().widget(c::coverPanelName(bus))->raise();
}

} // namespace regforge::gui::pages
