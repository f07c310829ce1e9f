#include "periph/uart/UartPage.h"

#include "model/NumberText.h"
#include "periph/uart/UartGenerator.h"
#include "periph/uart/UartText.h"

#include <cmath>
#include <string>

namespace regforge::periph::uart {

using model::CheckBox;
using model::ComboBox;
using model::Control;
using model::ControlKind;
using model::NumericEdit;

namespace {

constexpr const char* kInterruptHints[] = {
    "IER[0] RBR interrupt: received data available (or the receive time-out)",
    "IER[1] THRE interrupt: the transmit holding register is empty",
    "IER[2] RX line status interrupt: overrun, parity, framing error or break",
};

NumericEdit& decimalEdit(model::ControlStore& store, const std::string& name, Control* parent, int tag,
                         int length, int minimum, int maximum, const char* text) {
    auto& edit = store.add<NumericEdit>(name, parent);
    edit.setValueKind(model::ValueKind::Numeric);
    edit.setMaxLength(length);
    edit.setMinimumValue(minimum);
    edit.setMaximumValue(maximum);
    edit.setText(text);
    edit.setTag(tag);
    return edit;
}

template <std::size_t N>
std::vector<std::string> itemsOf(const std::array<const char*, N>& items) {
    return {items.begin(), items.end()};
}

} // namespace

UartPage::UartPage(PageContext& context) : Page(context) {
    auto* page = store().find(kTab.name);
    for (int n = 0; n < kUartCount; ++n)
        declareUnit(n, page);
    for (int n = 0; n < kUartCount; ++n) {
        connectUnit(n);
        addPopupRows(n);
    }
}

void UartPage::declareUnit(int uart, Control* page) {
    auto& s = store();
    auto& u = units_.at(static_cast<std::size_t>(uart));
    const int base = uartBase(uart);
    const std::string n = "UART" + std::to_string(uart);
    const auto hinted = [&u](Control& c, std::string hint) {
        c.setHint(std::move(hint));
        u.hinted.push_back(&c);
    };
    const auto combo = [&](const char* suffix, std::vector<std::string> items, int selected, int offset,
                           std::string hint) {
        auto& c = s.add<ComboBox>(uartControl(uart, suffix), u.groupBox);
        c.setItems(std::move(items));
        c.setItemIndex(selected);
        c.setTag(base + offset);
        hinted(c, n + std::move(hint));
        return &c;
    };

    u.enableBox = &s.add<CheckBox>(enableBoxName(uart), page);
    u.enableBox->setCaption(n);
    u.enableBox->setTag(base + kEnableBoxOffset);
    u.groupBox = &s.addPlain(ControlKind::GroupBox, uartControl(uart, "_GroupBox"), page);
    u.groupBox->setEnabled(false);
    u.wordLength = combo("WLS_ComboBox", itemsOf(kWordLengthItems), kDefaultWordLength, kWordLengthOffset,
                         " LCR[1:0] word length select: data bits per character");
    u.parity = combo("Parity_ComboBox", itemsOf(kParityItems), 0, kParityOffset,
                     " LCR[5:3] parity: none, odd, even, forced 1 or forced 0");
    u.stopBits = combo("Stop_ComboBox", itemsOf(kStopBitItems), 0, kStopBitsOffset,
                       " LCR[2] stop bits: 1, or 2 (1.5 with 5-bit characters)");
    u.fifo = &s.add<CheckBox>(uartControl(uart, "FIFO_CheckBox"), u.groupBox);
    u.fifo->setCaption("FIFO");
    u.fifo->setChecked(true);
    u.fifo->setTag(base + kFifoOffset);
    hinted(*u.fifo, n + " FCR[0] FIFO enable; the manuals require it on for the UART to work");
    u.trigger = combo("RxTrigger_ComboBox", itemsOf(kTriggerItems), 0, kTriggerOffset,
                      " FCR[7:6] receive trigger level: characters in the RX FIFO before the interrupt");
    for (std::size_t k = 0; k < u.interrupts.size(); ++k) {
        auto& box = s.add<CheckBox>(uartControl(uart, kInterruptSuffixes[k]), u.groupBox);
        box.setCaption(kInterruptCaptions[k]);
        box.setTag(base + kFirstInterruptOffset + static_cast<int>(k));
        hinted(box, n + " " + kInterruptHints[k]);
        u.interrupts[k] = &box;
    }
    u.baud = &decimalEdit(s, uartControl(uart, "Baud_edit"), u.groupBox, base + kBaudOffset, 8, 0, 99999999,
                          kDefaultBaud);
    hinted(*u.baud, n + " wanted baud rate (bit/s): the solutions below give it from the peripheral clock");
    u.solutions = &s.add<ComboBox>(uartControl(uart, "Solution_ComboBox"), u.groupBox);
    u.solutions->setTag(base + kSolutionsOffset);
    hinted(*u.solutions, n + " the best divider settings for the wanted rate, smallest error first");
    u.rateLabel = &s.addPlain(ControlKind::Label, uartControl(uart, "Rate_Label"), u.groupBox, "Baud rate :");
    u.rateLabel->setTag(base + kRateLabelOffset);
    // The divisors come after the wanted rate: a saved file restores them last, over the solver.
    u.dll = &decimalEdit(s, uartControl(uart, "DLL_edit"), u.groupBox, base + kDllOffset, 3, 0, 255, "0");
    hinted(*u.dll, n + " DLL, divisor latch low byte. Right click to set the baud rate.");
    u.dlm = &decimalEdit(s, uartControl(uart, "DLM_edit"), u.groupBox, base + kDlmOffset, 3, 0, 255, "0");
    hinted(*u.dlm, n + " DLM, divisor latch high byte. Right click to set the baud rate.");
    u.divAddVal = &decimalEdit(s, uartControl(uart, "DIVADDVAL_edit"), u.groupBox, base + kDivAddValOffset, 2,
                               0, 14, "0");
    hinted(*u.divAddVal, n + " FDR[3:0] DIVADDVAL, 0 switches the fractional divider off; below MULVAL");
    u.mulVal =
        &decimalEdit(s, uartControl(uart, "MULVAL_edit"), u.groupBox, base + kMulValOffset, 2, 1, 15, "1");
    hinted(*u.mulVal, n + " FDR[7:4] MULVAL, 1 to 15");
    u.hintLabel = &s.addPlain(ControlKind::Label, uartControl(uart, "Hint_Label"), u.groupBox);
    // The unit's own divider reaches the clock set-up only while the unit is on: with every unit
    // off the page saves nothing, its dividers among it.
    u.clock = addClockPanel(u.groupBox, {n + "pclk_Panel", n + "pclk_div", n + "pclock_edit", n, u.enableBox},
                            ClockGroup::SerialPort, [this, uart] { solve(uart, !restoring_); });
    u.clock.divider->setTag(kDividerTag);
    u.coverPanel = &s.addPlain(ControlKind::Panel, uartControl(uart, "_Panel"), page,
                               n + " is disabled or not available");
    u.coverPanel->setTag(base + kCoverPanelOffset);
}

void UartPage::connectUnit(int uart) {
    auto& u = units_.at(static_cast<std::size_t>(uart));
    connectUnitSwitch(u, [this, uart] { solve(uart, !restoring_); });
    connectHints(u);
    u.baud->changed.connect([this, uart](Control&) { baudChange(uart); });
    u.solutions->changed.connect([this, uart](Control&) { solutionChange(uart); });
    for (NumericEdit* edit : {u.dll, u.dlm, u.divAddVal, u.mulVal})
        edit->changed.connect([this, uart](Control&) { divisorChange(uart); });
    for (ComboBox* frame : {u.wordLength, u.parity})
        frame->changed.connect([this, uart](Control&) { refreshRate(uart); });
}

void UartPage::addPopupRows(int uart) {
    auto& u = units_.at(static_cast<std::size_t>(uart));
    // Either divisor latch takes the calculator: it divides PCLK / 16 down to the wanted rate, and
    // the divisor it finds fills both latches with the fractional divider off.
    for (NumericEdit* edit : {u.dll, u.dlm}) {
        auto row = EditPopupRow::plainRegister(edit);
        row.decimalPrompt = false;
        row.frequencyCalculator = [] { return FrequencyCalculator::Offered; };
        row.calculatorTarget = true;
        row.frequencyStart = [this, uart] {
            CalculatorStart start;
            start.registerMax = kMaxDivisor;
            start.inputClock = model::formatGeneral(unitClockEdit(uart).valueAsFloat() / 16.0);
            start.frequency = unit(uart).baud->text();
            start.frequencyUnit = 1; // Hz
            return std::optional<CalculatorStart>(start);
        };
        row.apply = [this, uart](const CalculatorAnswer& answer) {
            const std::int64_t divisor = answerValue(answer).value_or(0);
            if (divisor >= 1 && divisor <= kMaxDivisor)
                writeSetting(units_.at(static_cast<std::size_t>(uart)), {static_cast<int>(divisor), 0, 1});
        };
        addEditPopupRow(std::move(row));
    }
    for (NumericEdit* edit : {u.dll, u.dlm, u.divAddVal, u.mulVal})
        addSteppedEdit(edit, StepGroup::ByOne);
}

void UartPage::reset() {
    coverUnits(units_);
    for (int n = 0; n < kUartCount; ++n)
        resetUnit(n);
}

void UartPage::resetUnit(int uart) {
    auto& u = units_.at(static_cast<std::size_t>(uart));
    u.enableBox->setChecked(false);
    for (CheckBox* box : u.interrupts)
        box->setChecked(false);
    u.fifo->setChecked(true);
    u.wordLength->setItemIndex(kDefaultWordLength);
    u.parity->setItemIndex(0);
    u.stopBits->setItemIndex(0);
    u.trigger->setItemIndex(0);
    u.baud->setText(kDefaultBaud);
    u.section = {};
    for (NumericEdit* edit : {u.divAddVal, u.mulVal})
        edit->setVisible(true);
}

void UartPage::loadProfile() {
    const auto& lines = device().profileLines;
    for (int n = 0; n < kUartCount; ++n) {
        auto& u = units_.at(static_cast<std::size_t>(n));
        u.section = readUartSection(lines, n);
        u.enableBox->setVisible(u.section.present);
        u.groupBox->setVisible(u.section.present);
        u.divAddVal->setVisible(u.section.fractionalDivider);
        u.mulVal->setVisible(u.section.fractionalDivider);
    }
}

void UartPage::refreshFigures() {
    for (int n = 0; n < kUartCount; ++n)
        solve(n, !restoring_);
}

void UartPage::afterRestore() {
    restoring_ = false;
    for (int n = 0; n < kUartCount; ++n)
        solve(n, false);
}

double UartPage::unitClockHz(int uart) const {
    return unitClockEdit(uart).valueAsFloat() * 1000000.0;
}

void UartPage::solve(int uart, bool write) {
    auto& u = units_.at(static_cast<std::size_t>(uart));
    const auto wanted = model::parseDecimal(u.baud->text());
    const UartUnit::SolveInputs inputs{
        unitClockHz(uart), wanted ? std::optional<double>(static_cast<double>(*wanted)) : std::nullopt,
        u.section.fractionalDivider};
    if (u.solvedFor != inputs) {
        u.solved = inputs.wantedHz
                       ? solveBaud(inputs.pclkHz, *inputs.wantedHz, inputs.fractional, kSolutionCount)
                       : std::vector<BaudSolution>{};
        u.solvedTexts.clear();
        for (const auto& s : u.solved)
            u.solvedTexts.push_back(solutionText(s));
        u.solvedFor = inputs;
    }
    // The item that matches the edits stays selected; writing selects the best.
    int selected = -1;
    const BaudSetting current = u.setting();
    for (std::size_t k = 0; k < u.solved.size(); ++k)
        if (u.solved[k].setting == current)
            selected = static_cast<int>(k);
    if (write && !u.solved.empty())
        selected = 0;
    {
        model::MuteGuard mute(*u.solutions);
        u.solutions->setItems(u.solvedTexts);
        u.solutions->setItemIndex(selected);
    }
    if (write && !u.solved.empty())
        writeSetting(u, u.solved.front().setting);
    refreshRate(uart);
}

void UartPage::writeSetting(UartUnit& u, const BaudSetting& setting) {
    writing_ = true;
    u.dll->setValueFromInt64(setting.dll());
    u.dlm->setValueFromInt64(setting.dlm());
    u.divAddVal->setValueFromInt64(setting.divAddVal);
    u.mulVal->setValueFromInt64(setting.mulVal);
    writing_ = false;
    divisorChange(static_cast<int>(&u - units_.data()));
}

void UartPage::baudChange(int uart) {
    solve(uart, !restoring_);
}

void UartPage::solutionChange(int uart) {
    auto& u = units_.at(static_cast<std::size_t>(uart));
    const int index = u.solutions->itemIndex();
    if (index >= 0 && static_cast<std::size_t>(index) < u.solved.size())
        writeSetting(u, u.solved[static_cast<std::size_t>(index)].setting);
}

void UartPage::divisorChange(int uart) {
    if (writing_)
        return;
    auto& u = units_.at(static_cast<std::size_t>(uart));
    int selected = -1;
    const BaudSetting current = u.setting();
    for (std::size_t k = 0; k < u.solved.size(); ++k)
        if (u.solved[k].setting == current)
            selected = static_cast<int>(k);
    {
        model::MuteGuard mute(*u.solutions);
        u.solutions->setItemIndex(selected);
    }
    refreshRate(uart);
}

int UartPage::frameBits(const UartUnit& u) {
    return 1 + 5 + std::max(0, u.wordLength->itemIndex()) + (u.parity->itemIndex() > 0 ? 1 : 0) + 1;
}

double UartPage::errorLimit(int bits) {
    return 100.0 * (7.0 / 16.0) / (bits - 0.5) / 2.0;
}

void UartPage::refreshRate(int uart) {
    auto& u = units_.at(static_cast<std::size_t>(uart));
    const double pclk = unitClockHz(uart);
    BaudFigures f;
    f.limitPercent = errorLimit(frameBits(u));
    const auto wanted = model::parseDecimal(u.baud->text());
    if (wanted && *wanted > 0 && static_cast<double>(*wanted) <= pclk / 16.0)
        f.wanted = static_cast<double>(*wanted);
    const BaudSetting setting = u.setting();
    const bool usable = allowed(setting) && (u.section.fractionalDivider || setting.divAddVal == 0);
    if (usable && pclk > 0)
        f.actual = baudRate(pclk, setting);
    if (f.wanted && f.actual)
        f.errorPercent = (*f.actual - *f.wanted) / *f.wanted * 100.0;
    u.figures = f;

    std::string text;
    if (!wanted || *wanted <= 0)
        text = "Baud rate: the wanted rate must be above 0";
    else if (!f.wanted)
        text = "Baud rate: " + std::to_string(*wanted) + " is above PCLK / 16 (" + rateText(pclk / 16.0) +
               "), closest shown";
    else if (!f.actual)
        text = "Baud rate: the divisors are not allowed (DLM:DLL 1 to 65535, DIVADDVAL < MULVAL)";
    else
        text = "Baud rate: " + rateText(*f.actual) + " (error " + errorText(f.errorPercent) + " %, limit " +
               errorText(f.limitPercent).substr(1) + " %)";
    if (f.wanted && f.actual && !f.withinLimit())
        text += ", above the limit";
    u.rateLabel->setCaption(text);
    u.rateLabel->setFontColour(f.withinLimit() ? model::kDefaultColour : model::kRed);
}

void UartPage::correctLoadedSetup(LoadCorrections&) {
    std::string corrected;
    for (int n = 0; n < kUartCount; ++n) {
        auto& u = units_.at(static_cast<std::size_t>(n));
        if (!u.section.present)
            continue;
        const BaudSetting setting = u.setting();
        const bool ok = allowed(setting) && (u.section.fractionalDivider || setting.divAddVal == 0) &&
                        u.dll->valueAsInt64() <= 255 && u.dlm->valueAsInt64() <= 255;
        if (ok)
            continue;
        corrected += (corrected.empty() ? "" : ", ") + u.enableBox->caption();
        solve(n, true);
        if (u.solved.empty())
            writeSetting(u, {1, 0, 1});
    }
    if (!corrected.empty())
        ui().message("Divisors the UART cannot use",
                     "This file holds baud rate divisors the manual forbids (DLM:DLL 0, MULVAL 0, DIVADDVAL "
                     "not below MULVAL, or a fraction with DLM:DLL below 3) for: " +
                         corrected + "\nThey are replaced by the best setting for the wanted rate.",
                     ui::Icon::Warning, ui::Buttons::Ok);
}

void UartPage::generate(ResultLists& lists) const {
    const UartGenerator generator(device());
    generateSwitchedOn(units_, [&](int n, const UartUnit& u) { generator.generate(n, u, lists); });
}

bool UartPage::saveRecord(const model::Control& control, SavedLines& /*out*/) const {
    return onTab(control, kTab.name) && allOff(units_);
}

} // namespace regforge::periph::uart
