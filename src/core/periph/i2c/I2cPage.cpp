#include "periph/i2c/I2cPage.h"

#include "model/ValueFormat.h"
#include "periph/i2c/I2cGenerator.h"

#include <cmath>
#include <string>
#include <vector>

namespace regforge::periph::i2c {

using model::CheckBox;
using model::ComboBox;
using model::Control;
using model::ControlKind;
using model::NumericEdit;

namespace {

constexpr std::array<double, 3> kHighShares = {0.5, 0.4, 1.0 / 3.0};
constexpr std::array<double, 3> kNamedRates = {100000.0, 400000.0, 1000000.0};
constexpr const char* kDefaultHalfPeriod = "75"; // 100 kHz from the 15 MHz clock every device starts with

NumericEdit& decimalEdit(model::ControlStore& store, const std::string& name, Control* parent, int tag,
                         int maxLength, int maximum, const char* text) {
    // No lower limit in the edit: a value below the unit's minimum stays as typed and the figure
    // says so, a loaded one is corrected with a warning, and the code never writes it.
    auto& edit = store.add<NumericEdit>(name, parent);
    edit.setValueKind(model::ValueKind::Numeric);
    edit.setMaxLength(maxLength);
    edit.setMaximumValue(maximum);
    edit.setText(text);
    edit.setTag(tag);
    return edit;
}

NumericEdit& hexEdit(model::ControlStore& store, const std::string& name, Control* parent, int tag) {
    auto& edit = store.add<NumericEdit>(name, parent);
    edit.setValueKind(model::ValueKind::HexValue);
    edit.setMaxLength(2);
    edit.setText("00");
    edit.setTag(tag);
    return edit;
}

ComboBox& combo(model::ControlStore& store, const std::string& name, Control* parent, int tag,
                const std::vector<std::string>& items) {
    auto& box = store.add<ComboBox>(name, parent);
    box.setItems(items);
    box.setItemIndex(0);
    box.setTag(tag);
    return box;
}

template <std::size_t N>
std::vector<std::string> itemsOf(const std::array<const char*, N>& items) {
    return {items.begin(), items.end()};
}

} // namespace

std::string BusFigure::caption() const {
    if (!hz)
        return "Bit rate :";
    return "Bit rate: " + model::formatFrequency(4, "Hz", static_cast<float>(*hz)) +
           (problem.empty() ? "" : " (" + problem + ")");
}

I2cPage::I2cPage(PageContext& context) : Page(context) {
    auto* page = store().find(kTab.name);
    for (int n = 0; n < kBusCount; ++n)
        declareBus(n, page);
    for (int n = 0; n < kBusCount; ++n) {
        connectBus(n);
        addPopupRows(n);
    }
}

void I2cPage::declareBus(int n, Control* page) {
    auto& s = store();
    auto& b = unit(n);
    const int base = busBase(n);
    const std::string name = "I2C" + std::to_string(n);
    const auto hinted = [&b](Control& c, std::string hint) {
        c.setHint(std::move(hint));
        b.hinted.push_back(&c);
    };

    b.enableBox = &s.add<CheckBox>(enableBoxName(n), page);
    b.enableBox->setCaption(name);
    b.enableBox->setTag(base + kEnableBoxOffset);
    b.groupBox = &s.addPlain(ControlKind::GroupBox, groupBoxName(n), page);
    b.groupBox->setEnabled(false);

    b.mode = &combo(s, busControl(n, "Mode_ComboBox"), b.groupBox, base + kModeOffset, itemsOf(kModeItems));
    hinted(*b.mode, name + " master drives SCL at the bit rate below; a slave answers its own address");
    b.rate = &combo(s, busControl(n, "Rate_ComboBox"), b.groupBox, base + kRateOffset, itemsOf(kRateItems));
    hinted(*b.rate, name + " bit rate: 1 MHz needs pads with Fast-mode Plus");
    b.rateEdit =
        &decimalEdit(s, busControl(n, "Rate_edit"), b.groupBox, base + kRateEditOffset, 4, 1000, "100");
    b.rateEdit->setEnabled(false);
    hinted(*b.rateEdit, name + " wanted bit rate in kHz (1..1000)");
    b.duty = &combo(s, busControl(n, "Duty_ComboBox"), b.groupBox, base + kDutyOffset, itemsOf(kDutyItems));
    hinted(*b.duty,
           name + " SCL duty cycle: Fast-mode asks for a low time of 1.3 us, more than half of 2.5 us");
    b.sclh = &decimalEdit(s, busControl(n, "SCLH_edit"), b.groupBox, base + kSclhOffset, 5, 65535,
                          kDefaultHalfPeriod);
    hinted(*b.sclh, name + "SCLH, SCL high time in peripheral clocks (4..65535). Right click to set freq.");
    b.scll = &decimalEdit(s, busControl(n, "SCLL_edit"), b.groupBox, base + kScllOffset, 5, 65535,
                          kDefaultHalfPeriod);
    hinted(*b.scll, name + "SCLL, SCL low time in peripheral clocks (4..65535). Right click to set freq.");
    b.rateLabel = &s.addPlain(ControlKind::Label, busControl(n, "Rate_label"), b.groupBox, "Bit rate :");
    b.rateLabel->setTag(base + kRateLabelOffset);

    b.address = &hexEdit(s, busControl(n, "ADR_edit"), b.groupBox, base + kAddressOffset);
    b.address->setEnabled(false);
    hinted(*b.address, name + "ADR, own 7-bit slave address (0x00..0x7F)");
    b.generalCall = &s.add<CheckBox>(busControl(n, "GC_CheckBox"), b.groupBox);
    b.generalCall->setCaption("General call");
    b.generalCall->setTag(base + kGeneralCallOffset);
    b.generalCall->setEnabled(false);
    hinted(*b.generalCall, name + "ADR[0] GC, 1= the slave also answers the general call address 0x00");
    b.mask = &hexEdit(s, busControl(n, "MASK_edit"), b.groupBox, base + kMaskOffset);
    b.mask->setEnabled(false);
    b.mask->setVisible(false);
    hinted(*b.mask, name + "MASK, address bits set here are ignored when the slave address is compared");

    b.interrupt = &s.add<CheckBox>(busControl(n, "SI_CheckBox"), b.groupBox);
    b.interrupt->setCaption("Interrupt");
    b.interrupt->setTag(base + kInterruptOffset);
    hinted(*b.interrupt, name +
                             " interrupt on each bus state change (SI); the Interrupts page gives its source "
                             "a handler");
    b.sourceLabel = &s.addPlain(ControlKind::Label, busControl(n, "Source_label"), b.groupBox);
    b.sourceLabel->setTag(base + kSourceLabelOffset);
    b.hintLabel = &s.addPlain(ControlKind::Label, busControl(n, "Hint_Label"), b.groupBox);
    // The unit's own divider reaches the clock set-up only while the unit is on: with every unit
    // off the page saves nothing, its dividers among it.
    b.clock = addClockPanel(b.groupBox,
                            {clockPanelName(n), clockDividerName(n), clockEditName(n), name, b.enableBox},
                            ClockGroup::CounterUnit, [this, n] { followClock(n); });
    b.clock.divider->setTag(kDividerTag);
    b.coverPanel =
        &s.addPlain(ControlKind::Panel, coverPanelName(n), page, name + " is disabled or not available");
    b.coverPanel->setTag(base + kCoverPanelOffset);
}

void I2cPage::connectBus(int n) {
    auto& b = unit(n);
    connectUnitSwitch(b, [this, n] { refreshBusFigure(n); });
    connectHints(b);
    b.rate->changed.connect([this, n](Control&) { rateChange(n); });
    b.rateEdit->changed.connect([this, n](Control&) { solveClick(n); });
    b.duty->changed.connect([this, n](Control&) { solveClick(n); });
    b.mode->changed.connect([this, n](Control&) { modeChange(n); });
    for (NumericEdit* edit : {b.sclh, b.scll})
        edit->changed.connect([this, n](Control&) { sclEdited(n); });
}

void I2cPage::addPopupRows(int n) {
    // Either edit takes the whole period the calculator finds, split by the chosen duty cycle.
    auto& b = unit(n);
    for (NumericEdit* edit : {b.sclh, b.scll}) {
        auto row = EditPopupRow::plainRegister(edit);
        row.decimalPrompt = false;
        row.frequencyCalculator = [] { return FrequencyCalculator::Offered; };
        row.calculatorTarget = true;
        row.frequencyStart = [this, n] {
            return std::optional<CalculatorStart>(dividerStart(unitClock(bus(n)), 0, 2 * kMaxHalfPeriod));
        };
        row.apply = [this, n](const CalculatorAnswer& answer) {
            const auto period = answerValue(answer);
            if (!period || *period <= 0)
                return;
            const double clock = static_cast<double>(*period);
            const SclTiming timing = solveBitRate(clock, 1.0, highShare(n));
            auto& u = unit(n);
            {
                model::MuteGuard high(*u.sclh);
                model::MuteGuard low(*u.scll);
                u.sclh->setValueFromInt64(timing.high);
                u.scll->setValueFromInt64(timing.low);
            }
            sclEdited(n);
        };
        addEditPopupRow(std::move(row));
        addSteppedEdit(edit, StepGroup::ByOne);
    }
}

void I2cPage::reset() {
    coverUnits(buses_);
    for (int n = 0; n < kBusCount; ++n)
        resetBus(n);
}

void I2cPage::resetBus(int n) {
    auto& b = unit(n);
    b.enableBox->setChecked(false);
    b.mode->setItemIndex(kMaster);
    b.rate->setItemIndex(kStandardRate);
    b.rateEdit->setText("100");
    b.duty->setItemIndex(0);
    b.address->setText("00");
    b.mask->setText("00");
    b.generalCall->setChecked(false);
    b.interrupt->setChecked(false);
    b.sclh->setText(kDefaultHalfPeriod);
    b.scll->setText(kDefaultHalfPeriod);
    b.solved = true;
    b.figure = {};
    b.rateLabel->setCaption(b.figure.caption());
    b.rateLabel->setFontColour(model::kDefaultColour);
}

void I2cPage::loadProfile() {
    const auto& lines = device().profileLines;
    for (int n = 0; n < kBusCount; ++n) {
        auto& b = unit(n);
        b.section = readBusSection(lines, n, device().cortexM3);
        b.enableBox->setVisible(b.section.present);
        b.groupBox->setVisible(b.section.present);
        b.mask->setVisible(b.section.addressMask);
        b.sourceLabel->setCaption(b.section.present ? "Interrupt source: " + b.section.source : "");
    }
}

double I2cPage::wantedHz(int n) const {
    const auto& b = bus(n);
    const int item = b.rate->itemIndex();
    if (item >= 0 && item < kOtherRate)
        return kNamedRates.at(static_cast<std::size_t>(item));
    return static_cast<double>(b.rateEdit->valueAsInt64()) * 1000.0;
}

double I2cPage::highShare(int n) const {
    const int item = bus(n).duty->itemIndex();
    return item >= 0 && item < static_cast<int>(kHighShares.size())
               ? kHighShares.at(static_cast<std::size_t>(item))
               : 0.5;
}

double I2cPage::busClockHz(int n) const {
    return unitClock(bus(n)).valueAsFloat() * 1000000.0;
}

SclTiming I2cPage::typedTiming(int n) const {
    return {bus(n).sclh->valueAsInt64(), bus(n).scll->valueAsInt64()};
}

void I2cPage::solve(int n) {
    auto& b = unit(n);
    const SclTiming timing = solveBitRate(busClockHz(n), wantedHz(n), highShare(n));
    if (timing.high > 0) {
        model::MuteGuard high(*b.sclh);
        model::MuteGuard low(*b.scll);
        b.sclh->setValueFromInt64(timing.high);
        b.scll->setValueFromInt64(timing.low);
        b.solved = true;
    }
    refreshBusFigure(n);
}

void I2cPage::refreshFigures() {
    for (int n = 0; n < kBusCount; ++n)
        followClock(n);
}

void I2cPage::followClock(int n) {
    if (bus(n).solved && !restoring_)
        solve(n);
    else
        refreshBusFigure(n);
}

void I2cPage::refreshBusFigure(int n) {
    auto& b = unit(n);
    const SclTiming timing = typedTiming(n);
    const double pclk = busClockHz(n);
    BusFigure figure;
    figure.pclkHz = pclk;
    if (timing.high >= kMinHalfPeriod && timing.low >= kMinHalfPeriod && pclk > 0) {
        figure.hz = timing.rateHz(pclk);
        figure.timing =
            timingProblem(timing, pclk, b.section.fastModePlus ? BusSpeed::FastPlus : BusSpeed::Fast);
        figure.problem = figure.timing;
        const double wanted = wantedHz(n);
        if (b.mode->itemIndex() == kMaster && wanted <= 0)
            figure.problem = "no bit rate asked for";
        else if (figure.problem.empty() && b.solved && b.mode->itemIndex() == kMaster) {
            if (*figure.hz < wanted * 0.9)
                figure.problem = "the closest to " +
                                 model::formatFrequency(4, "Hz", static_cast<float>(wanted)) +
                                 " this clock allows";
        }
    } else if (b.figure.hz) {
        // Registers below 4 leave the last rate standing, marked.
        figure.hz = b.figure.hz;
        figure.problem = "SCLH and SCLL must be at least 4";
    }
    b.figure = figure;
    b.rateLabel->setCaption(figure.caption());
    b.rateLabel->setFontColour(figure.problem.empty() ? model::kDefaultColour : model::kRed);
}

void I2cPage::rateChange(int n) {
    auto& b = unit(n);
    // A loaded file's choice is corrected (and named) after the load.
    if (b.rate->itemIndex() == kFastPlusRate && !b.section.fastModePlus && !restoring_) {
        b.rate->setItemIndex(kFastRate);
        return;
    }
    b.rateEdit->setEnabled(b.rate->itemIndex() == kOtherRate);
    solveClick(n);
}

void I2cPage::solveClick(int n) {
    if (!restoring_)
        solve(n);
}

void I2cPage::modeChange(int n) {
    auto& b = unit(n);
    const bool slave = b.mode->itemIndex() == kSlave;
    for (Control* c : {static_cast<Control*>(b.address), static_cast<Control*>(b.generalCall),
                       static_cast<Control*>(b.mask)})
        c->setEnabled(slave);
    refreshBusFigure(n);
}

void I2cPage::sclEdited(int n) {
    unit(n).solved = false;
    refreshBusFigure(n);
}

void I2cPage::afterRestore() {
    restoring_ = false;
    for (int n = 0; n < kBusCount; ++n) {
        auto& b = unit(n);
        b.rateEdit->setEnabled(b.rate->itemIndex() == kOtherRate);
        const SclTiming solved = solveBitRate(busClockHz(n), wantedHz(n), highShare(n));
        const SclTiming loaded = typedTiming(n);
        b.solved = solved.high == loaded.high && solved.low == loaded.low;
        refreshBusFigure(n);
    }
}

void I2cPage::correctLoadedSetup(LoadCorrections&) {
    // The corrections keep the loaded registers: nothing is solved again meanwhile.
    restoring_ = true;
    std::vector<std::string> corrected;
    for (int n = 0; n < kBusCount; ++n) {
        auto& b = unit(n);
        if (!b.section.present)
            continue;
        const std::string name = "I2C" + std::to_string(n);
        for (NumericEdit* edit : {b.sclh, b.scll}) {
            const std::int64_t value = edit->valueAsInt64();
            if (value < kMinHalfPeriod || value > kMaxHalfPeriod) {
                const std::int64_t fixed = value < kMinHalfPeriod ? kMinHalfPeriod : kMaxHalfPeriod;
                corrected.push_back(edit->name() + " " + edit->text() + " -> " + std::to_string(fixed));
                edit->setValueFromInt64(fixed);
            }
        }
        if (b.rate->itemIndex() < 0 || b.rate->itemIndex() > kOtherRate ||
            (b.rate->itemIndex() == kFastPlusRate && !b.section.fastModePlus)) {
            corrected.push_back(name + " 1 MHz -> 400 kHz (no Fast-mode Plus)");
            b.rate->setItemIndex(kFastRate);
        }
        if (b.rateEdit->valueAsInt64() < 1 || b.rateEdit->valueAsInt64() > 1000) {
            corrected.push_back(b.rateEdit->name() + " " + b.rateEdit->text() + " -> 100");
            b.rateEdit->setText("100");
        }
        if (b.address->valueAsInt64() > 0x7F) {
            corrected.push_back(b.address->name() + " 0x" + b.address->text() + " -> 0x7F");
            b.address->setValueFromInt64(0x7F);
        }
    }
    restoring_ = false;
    for (int n = 0; n < kBusCount; ++n)
        refreshBusFigure(n);
    if (corrected.empty())
        return;
    std::string list;
    for (const auto& entry : corrected)
        list += (list.empty() ? "" : ", ") + entry;
    ui().message("I2C values out of range",
                 "This file holds I2C values the registers cannot take: " + list +
                     "\nThey are brought to the nearest value the manual allows.",
                 ui::Icon::Warning, ui::Buttons::Ok);
}

void I2cPage::generate(ResultLists& lists) const {
    const I2cGenerator generator(device());
    generateSwitchedOn(buses_, [&](int n, const I2cBus& b) {
        generator.generate(n, b, {busClockHz(n), unitClock(b).text()}, lists);
    });
}

bool I2cPage::saveRecord(const model::Control& control, SavedLines& /*out*/) const {
    return onTab(control, kTab.name) && allOff(buses_);
}

} // namespace regforge::periph::i2c
