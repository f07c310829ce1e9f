#include "periph/adc/AdcPage.h"

#include "model/NumberText.h"
#include "model/ValueFormat.h"
#include "periph/adc/AdcGenerator.h"
#include "periph/adc/AdcSections.h"
#include "profile/ProfileSections.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::periph::adc {

using model::CheckBox;
using model::ComboBox;
using model::Control;
using model::ControlKind;
using model::NumericEdit;

namespace {

// The sample-rate calculator counts samples instead of hertz and starts in thousands.
const std::vector<std::string> kSampleRateUnits = {"msample/sec", "sample/sec", "Ksample/sec", "MSample/sec"};
constexpr int kThousandSamplesItem = 2;
constexpr int kRateDecimals = 4;

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// A profile value the converters need as a number; anything else stops the load.
int profileNumber(const std::string& header, std::string_view key, std::string_view value) {
    const auto number = model::parseInt32(value);
    if (!number)
        throw profile::ProfileError(header + ": " + std::string(key) + " value \"" + std::string(value) +
                                    "\" is no decimal number");
    return *number;
}

} // namespace

AdcPage::AdcPage(PageContext& context) : Page(context) {
    auto* page = store().find(kTab.name);
    page->hovered.connect([this](Control&) { clearHints(); });
    for (int a = 0; a < kConverterCount; ++a)
        declareConverter(a, page);
    for (int a = 0; a < kConverterCount; ++a) {
        connectConverter(a);
        addPopupRow(a);
    }
}

void AdcPage::declareConverter(int converter, Control* page) {
    auto& s = store();
    auto& unit = units_[at(converter)];
    const std::string name = converterName("ADC", converter);

    unit.enableBox = &s.add<CheckBox>(enableBoxName(converter), page);
    unit.enableBox->setCaption(name);
    unit.enableBox->setTag(kEnableBoxTag + converter);
    unit.groupBox = &s.addPlain(ControlKind::GroupBox, groupBoxName(converter), page);
    unit.groupBox->setEnabled(false);

    declareBoxes(unit, converter);

    unit.divider = &s.add<NumericEdit>(dividerEditName(converter), unit.groupBox);
    unit.divider->setValueKind(model::ValueKind::Numeric);
    unit.divider->setMaxLength(3);
    unit.divider->setMaximumValue(kDividerMax);
    unit.divider->setText("0");
    unit.divider->setTag(kDividerTag + converter);

    unit.conversionClocks = &s.add<ComboBox>(conversionClocksComboName(converter), unit.groupBox);
    unit.conversionClocks->setItems({kConversionClockItems.begin(), kConversionClockItems.end()});
    unit.conversionClocks->setItemIndex(0);
    unit.conversionClocks->setTag(kConversionClocksTag + converter);
    unit.start = &s.add<ComboBox>(startComboName(converter), unit.groupBox);
    unit.start->setTag(kStartTag + converter);
    unit.edge = &s.add<ComboBox>(edgeComboName(converter), unit.groupBox);
    unit.edge->setItems({kEdgeItems.begin(), kEdgeItems.end()});
    unit.edge->setItemIndex(0);
    unit.edge->setEnabled(false);
    unit.edge->setTag(kEdgeTag + converter);

    unit.clockLabel = &s.addPlain(ControlKind::Label, clockLabelName(converter), unit.groupBox, "clk:");
    unit.clockLabel->setTag(kClockLabelTag + converter);
    unit.rateLabel =
        &s.addPlain(ControlKind::Label, rateLabelName(converter), unit.groupBox, "0 samples/sec");
    unit.channelHint = &s.addPlain(ControlKind::Label, kChannelHintLabels[at(converter)], unit.groupBox);
    unit.interruptHint = &s.addPlain(ControlKind::Label, kInterruptHintLabels[at(converter)], unit.groupBox);

    unit.coverPanel = &s.addPlain(ControlKind::Panel, coverPanelName(converter), page,
                                  name + " is disabled or not available");
}

void AdcPage::declareBoxes(AdcUnit& unit, int converter) {
    const auto box = [&](const std::string& boxName, std::string caption, int tag) {
        auto& b = store().add<CheckBox>(boxName, unit.groupBox);
        b.setCaption(std::move(caption));
        b.setTag(tag + converter);
        return &b;
    };
    unit.power = box(powerBoxName(converter), "PDN", kPowerTag);
    // Burst comes before the channels: a saved configuration restores in declaration order,
    // and the channels of a burst set-up must be restored after burst mode is back on.
    unit.burst = box(burstBoxName(converter), "BURST", kBurstTag);
    for (int n = 0; n < kChannelCount; ++n)
        unit.channels[at(n)] = box(channelBoxName(converter, n), std::to_string(n), kChannelTag);
    for (int n = 0; n < kChannelCount; ++n)
        unit.interrupts[at(n)] = box(interruptBoxName(converter, n), std::to_string(n), kInterruptTag);
    unit.globalDone = box(globalDoneBoxName(converter), "ADGINTEN", kGlobalDoneTag);
}

void AdcPage::connectConverter(int converter) {
    auto& unit = units_[at(converter)];
    connectUnitSwitch(unit);
    unit.burst->changed.connect([this, converter](Control& sender) { adcChannelClick(converter, sender); });
    for (CheckBox* channel : unit.channels) {
        channel->changed.connect([this, converter](Control& sender) { adcChannelClick(converter, sender); });
        channel->hovered.connect([this, converter](Control& sender) { adcHintMouseMove(converter, sender); });
    }
    for (CheckBox* interrupt : unit.interrupts)
        interrupt->hovered.connect(
            [this, converter](Control& sender) { adcHintMouseMove(converter, sender); });
    unit.start->changed.connect([this, converter](Control&) { adcStartChange(converter); });
    unit.globalDone->changed.connect([this, converter](Control&) { adginTenClick(converter); });
    unit.divider->changed.connect([this, converter](Control&) { refreshAdcFigures(converter); });
    unit.conversionClocks->changed.connect([this, converter](Control&) { refreshAdcFigures(converter); });
    unit.groupBox->hovered.connect([this](Control&) { clearHints(); });
}

void AdcPage::addPopupRow(int converter) {
    // Only the first two dividers offer the calculators and the arrow keys.
    if (converter > 1)
        return;
    addSteppedEdit(units_[at(converter)].divider, StepGroup::ByOne);
    auto row = EditPopupRow::plainRegister(units_[at(converter)].divider);
    row.decimalPrompt = false;
    row.frequencyCalculator = [] { return FrequencyCalculator::Offered; };
    row.calculatorTarget = true;
    row.frequencyStart = [this] {
        CalculatorStart start = dividerStart(clockChain().commonClock(), 1, kDividerMax);
        start.clockLimit = static_cast<std::int32_t>(device().adcMaxClock);
        return std::optional<CalculatorStart>(start);
    };
    row.sampleRateStart = [this, converter] {
        return std::optional<CalculatorStart>(sampleRateStart(converter));
    };
    row.apply = [divider = units_[at(converter)].divider](const CalculatorAnswer& answer) {
        // The divider takes the value as shown; a negative one leaves it alone.
        if (answerValue(answer).value_or(0) >= 0)
            divider->setText(answer.value);
    };
    addEditPopupRow(std::move(row));
}

CalculatorStart AdcPage::sampleRateStart(int converter) const {
    // The combo's items count down from 11 clocks; without it the device's count applies. The
    // guard keeps the rate finite.
    const ComboBox& items = *units_[at(converter)].conversionClocks;
    const int clocks =
        std::max(items.visible() ? kBurstClocksFirstItem - items.itemIndex() : device().adcClocks, 1);
    CalculatorStart start;
    start.registerOffset = 1;
    start.registerMax = kDividerMax;
    start.clockLimit = static_cast<std::int32_t>(device().adcMaxClock);
    start.samples = SampleRates{clocks, kSampleRateUnits, kThousandSamplesItem};
    // The fastest rate (one sample every `clocks` peripheral clocks) is the start value, in
    // thousands of samples. The input clock then becomes the conversion rate in MHz, so the
    // calculator's divider is the CLKDIV that gives the wanted rate.
    const double peripheralMhz = clockChain().commonMhz();
    const double fastest = peripheralMhz / clocks * 1000000.0;
    start.frequency = model::formatGeneral(model::roundToDecimals(fastest / 1000.0, kRateDecimals));
    start.inputClock = model::formatGeneral(peripheralMhz / clocks);
    return start;
}

void AdcPage::reset() {
    coverUnits(units_);
    units_[0].power->setVisible(true);
    for (auto& unit : units_) {
        for (CheckBox* b : {unit.enableBox, unit.globalDone, unit.power, unit.burst}) {
            b->setChecked(false);
            b->setEnabled(true);
        }
        for (const auto& boxes : {unit.channels, unit.interrupts})
            for (CheckBox* b : boxes) {
                b->setChecked(false);
                b->setEnabled(true);
            }
        unit.divider->setText("0");
        for (ComboBox* combo : {unit.conversionClocks, unit.edge}) {
            combo->setItemIndex(0);
            combo->setVisible(true);
        }
        unit.start->clearItems();
    }
    for (int a = 0; a < kConverterCount; ++a) {
        auto& unit = units_[at(a)];
        adcChannelClick(a, *unit.burst);
        unit.channels[0]->setChecked(true);
        {
            model::MuteGuard guard(*unit.globalDone);
            unit.globalDone->setChecked(true);
        }
        adginTenClick(a);
    }
}

std::vector<std::string> AdcPage::freeMissingChannels() {
    std::vector<std::string> freed;
    for (int a = 0; a < kConverterCount; ++a) {
        for (int n = 0; n < kChannelCount; ++n) {
            CheckBox& channel = *units_[at(a)].channels[at(n)];
            if (!missing_[at(a)][at(n)] || (!channel.checked() && !channel.enabled()))
                continue;
            if (channel.checked())
                freed.push_back("AD" + std::to_string(a) + "." + std::to_string(n));
            channel.setChecked(false);
            channel.setEnabled(false);
        }
    }
    return freed;
}

void AdcPage::restoreFirst(const SavedRecords&) {
    for (auto& unit : units_)
        unit.burst->setChecked(true);
}

void AdcPage::correctLoadedSetup(LoadCorrections& corrections) {
    const auto freed = freeMissingChannels();
    corrections.channelsFreed.insert(corrections.channelsFreed.end(), freed.begin(), freed.end());
}

void AdcPage::loadProfile() {
    missing_ = {};
    for (auto& unit : units_)
        for (CheckBox* channel : unit.channels)
            channel->setEnabled(true);
    auto& dev = device();
    dev.adcMaxClock = kDefaultMaxClock;
    dev.adcClocks = kDefaultClocks;
    dev.adcBits = kDefaultBits;
    for (int a = 0; a < kConverterCount; ++a)
        loadConverter(a);
    if (dev.deviceFamily == "175x" || dev.deviceFamily == "177x")
        for (auto& unit : units_)
            unit.conversionClocks->setVisible(false);
    const std::string hint =
        "ADC clock (max " + model::formatFrequency(2, "Hz", static_cast<float>(dev.adcMaxClock)) + ")";
    for (auto& unit : units_)
        unit.clockLabel->setHint(hint);
}

void AdcPage::loadConverter(int converter) {
    auto& unit = units_[at(converter)];
    const auto& lines = device().profileLines;
    const std::string header = converterSection(converter);
    const int headerAt = profile::findSection(lines, header);
    const bool present = headerAt >= 0;
    unit.enableBox->setVisible(present);
    unit.groupBox->setVisible(present);
    if (!present)
        return;

    auto& dev = device();
    for (const std::string& line : profile::sectionBodyAt(lines, headerAt)) {
        if (line.empty())
            throw profile::ProfileError("empty line in " + header);
        const auto sep = line.find('@');
        if (sep == std::string::npos)
            continue;
        const std::string_view key = std::string_view(line).substr(0, sep);
        const std::string value = line.substr(sep + 1);
        const AdcKey* entry = adcKey(key);
        if (!entry || (entry->firstConverterOnly && converter != 0))
            continue;
        if (key == "START") {
            unit.start->addItem(value);
        } else if (key == "CHOFF") {
            // Channels the converter does not have; numbers outside 0..7 name no box.
            const int channel = profileNumber(header, key, value);
            if (channel >= 0 && channel < kChannelCount) {
                unit.channels[at(channel)]->setEnabled(false);
                missing_[at(converter)][at(channel)] = true;
            }
        } else if (key == "FMAX") {
            // A limit of zero or less would make every A/D clock too fast.
            const int fmax = profileNumber(header, key, value);
            if (fmax < 1)
                throw profile::ProfileError(header + ": FMAX must be a positive number of Hz");
            dev.adcMaxClock = fmax;
        } else if (key == "BIT") {
            dev.adcBits = profileNumber(header, key, value);
        } else if (key == "CLOCKS") {
            // The sample rate divides by the clocks per conversion.
            const int clocks = profileNumber(header, key, value);
            if (clocks < 1)
                throw profile::ProfileError(header + ": CLOCKS must be a positive number of clocks");
            dev.adcClocks = clocks;
        } else if (key == "NOPDN") {
            unit.power->setVisible(false);
        }
    }
    if (unit.start->count() > 0)
        unit.start->setItemIndex(0);
    adcChannelClick(converter, *unit.burst);
}

void AdcPage::refreshFigures() {
    for (int a = 0; a < kConverterCount; ++a)
        refreshAdcFigures(a);
}

void AdcPage::generate(ResultLists& lists) const {
    AdcGenerator(device()).generate(units_, clockChain().commonClock(), lists);
}

void AdcPage::uncheckOtherChannels(AdcUnit& unit, const Control& kept) {
    for (CheckBox* channel : unit.channels) {
        if (channel == &kept)
            continue;
        model::MuteGuard guard(*channel);
        channel->setChecked(false);
    }
}

void AdcPage::adcChannelClick(int converter, const Control& sender) {
    auto& unit = units_[at(converter)];
    if (&sender == unit.burst) {
        if (unit.burst->checked()) {
            unit.start->setItemIndex(0);
            unit.start->setEnabled(false);
            unit.edge->setItemIndex(0);
            unit.edge->setEnabled(false);
            unit.conversionClocks->setEnabled(true);
            return;
        }
        uncheckOtherChannels(unit, *unit.channels[0]);
        // The first channel the device has becomes the one channel; a converter without any
        // available channel keeps none.
        for (CheckBox* channel : unit.channels) {
            if (channel->enabled()) {
                channel->setChecked(true);
                uncheckOtherChannels(unit, *channel);
                break;
            }
        }
        unit.start->setEnabled(true);
        unit.conversionClocks->setItemIndex(0);
        unit.conversionClocks->setEnabled(false);
        refreshAdcFigures(converter);
        return;
    }
    if (!unit.burst->checked())
        uncheckOtherChannels(unit, sender);
}

void AdcPage::adcStartChange(int converter) {
    auto& unit = units_[at(converter)];
    unit.edge->setEnabled(unit.start->itemIndex() >= kFirstEdgeStartItem);
}

void AdcPage::adginTenClick(int converter) {
    auto& unit = units_[at(converter)];
    const bool global = unit.globalDone->checked();
    for (CheckBox* interrupt : unit.interrupts) {
        if (global)
            interrupt->setChecked(false);
        interrupt->setEnabled(!global);
    }
}

int AdcPage::conversionClocks(int converter) const {
    const int clocks = device().adcClocks - units_.at(at(converter)).conversionClocks->itemIndex();
    return clocks < 1 ? 1 : clocks;
}

void AdcPage::refreshAdcFigures(int converter) {
    auto& unit = units_[at(converter)];
    const std::int64_t divider = unit.divider->valueAsInt64();
    if (divider > kDividerMax)
        return;
    const double mhz = clockChain().commonMhz();
    const double hz = mhz * 1000000.0 / (static_cast<double>(divider) + 1.0);
    unit.figures.clockHz = hz;
    unit.figures.sampleRate = hz / conversionClocks(converter);
    unit.clockLabel->setCaption(unit.figures.clockCaption());
    unit.clockLabel->setFontColour(hz > device().adcMaxClock ? model::kRed : model::kDefaultColour);
    unit.rateLabel->setCaption(unit.figures.rateCaption());
}

void AdcPage::adcHintMouseMove(int converter, const Control& sender) {
    auto& unit = units_[at(converter)];
    for (const CheckBox* interrupt : unit.interrupts) {
        if (interrupt == &sender) {
            unit.interruptHint->setCaption("Channel " + sender.caption());
            return;
        }
    }
    unit.channelHint->setCaption("Channel " + sender.caption());
}

void AdcPage::clearHints() {
    for (auto& unit : units_) {
        unit.channelHint->setCaption("");
        unit.interruptHint->setCaption("");
    }
}

} // namespace regforge::periph::adc
