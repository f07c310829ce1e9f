#include "gui/pages/UartPageView.h"

#include "gui/binding/Binder.h"
#include "gui/pages/ColumnFlowLayout.h"
#include "gui/pages/ViewParts.h"
#include "gui/widgets/CaptionPanel.h"
#include "periph/uart/UartControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace regforge::gui::pages {

namespace u = periph::uart;

UartPageView::UartPageView(const binding::Binder& binder) : PageView(binder, u::kTab.name) {}

void UartPageView::arrangeContent(QVBoxLayout* body) {
    const ScrolledColumn scrolled = scrolledColumn();
    scroll_ = scrolled.area;
    // Side by side where the page is wide enough.
    auto* units = new ColumnFlowLayout;
    scrolled.column->addLayout(units);
    for (int n = 0; n < u::kUartCount; ++n) {
        QWidget* enable = take(u::enableBoxName(n));
        QWidget* group = take(u::uartControl(n, "_GroupBox"));
        arrangeUnit(n, group);
        units->addWidget(
            coveredBlock(enable, group, takeAs<widgets::CaptionPanel>(u::uartControl(n, "_Panel")), 16, 1.1));
    }
    scrolled.column->addStretch(1);
    addScrolled(body, scrolled);
}

void UartPageView::arrangeUnit(int uart, QWidget* groupBox) {
    const auto name = [uart](const char* suffix) { return u::uartControl(uart, suffix); };
    QVBoxLayout* column = registerColumn(groupBox);
    auto* grid = registerGrid();
    int line = 0;
    const auto addRow = [&](const char* registerText, QLayout* fields) {
        if (registerText != nullptr)
            grid->addWidget(registerName(registerText), line, 0);
        grid->addLayout(fields, line++, 1);
    };

    auto* frame = fieldRow();
    for (const char* suffix : {"WLS_ComboBox", "Parity_ComboBox", "Stop_ComboBox"})
        frame->addWidget(take(name(suffix)));
    frame->addStretch(1);
    addRow("LCR", frame);

    auto* fifo = fieldRow();
    fifo->addWidget(take(name("FIFO_CheckBox")));
    fifo->addWidget(fieldName("Receive trigger"));
    fifo->addWidget(take(name("RxTrigger_ComboBox")));
    fifo->addStretch(1);
    addRow("FCR", fifo);

    auto* interrupts = fieldRow();
    for (const char* suffix : u::kInterruptSuffixes)
        interrupts->addWidget(take(name(suffix)));
    interrupts->addStretch(1);
    addRow("IER", interrupts);

    // The wanted rate with the unit's clock beside it, then the solutions across both columns:
    // their texts are long, and the closed list may cut one at the design width.
    auto* baud = fieldRow();
    baud->addWidget(fieldName("Wanted baud rate"));
    QWidget* wanted = take(name("Baud_edit"));
    sizeRegisterEdit(wanted);
    baud->addWidget(wanted);
    baud->addStretch(1);
    baud->addWidget(takeClockPanel(name("pclk_Panel"), name("pclk_div"), name("pclock_edit")), 0,
                    Qt::AlignVCenter);
    addRow("Baud", baud);
    auto* solutions = fieldRow();
    auto* solutionList = takeAs<QComboBox>(name("Solution_ComboBox"));
    solutionList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    solutionList->setMinimumContentsLength(24);
    solutions->addWidget(solutionList, 1);
    grid->addLayout(solutions, line++, 0, 1, 2);

    auto* divisors = fieldRow();
    for (const auto& [caption, suffix] :
         {std::pair{"DLL", "DLL_edit"}, std::pair{"DLM", "DLM_edit"},
          std::pair{"DIVADDVAL", "DIVADDVAL_edit"}, std::pair{"MULVAL", "MULVAL_edit"}}) {
        QWidget* edit = take(name(suffix));
        QLabel* label = fieldName(caption);
        showAlongWith(edit, *binder().store().find(name(suffix)), {label});
        divisors->addWidget(label);
        sizeDividerEdit(edit);
        divisors->addWidget(edit);
    }
    divisors->addStretch(1);
    addRow("DLL/FDR", divisors);

    auto* figures = fieldRow();
    figures->addWidget(take(name("Rate_Label")), 1);
    addRow(nullptr, figures);
    finishUnitColumn(column, grid, 1, takeAs<QLabel>(name("Hint_Label")));
}

void UartPageView::finishArrangement() {
    for (int n = 0; n < u::kUartCount; ++n)
        binder().widget(u::uartControl(n, "_Panel"))->raise();
}

} // namespace regforge::gui::pages
