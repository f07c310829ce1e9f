#pragma once

#include "model/CheckControls.h"
#include "model/NumericEdit.h"
#include "periph/Page.h"
#include "periph/adc/AdcControls.h"
#include "periph/adc/AdcSections.h"
#include "periph/adc/AdcUnit.h"

#include <array>

namespace regforge::periph::adc {

// The "ADC" page: ADC0..ADC3 with their channels, interrupts, clock divider, burst and start
// settings, and two live figures each (the A/D clock and the sample rate). The converters run
// from the common peripheral clock.
class AdcPage : public Page {
public:
    static constexpr const PageTab& kTab = adc::kTab;
    // The profile sections the page reads, for its loader and the profile check.
    static profile::SectionDescription profileSections() { return adcSections(); }

    explicit AdcPage(PageContext& context);

    // Every converter unchecked, disabled and back to its defaults.
    void reset() override;
    // [ADC0]..[ADC3]: which converters exist, their start modes, missing channels and the
    // device's A/D limits.
    void loadProfile() override;
    void refreshFigures() override;
    // Each checked converter's set-up, in converter order.
    void generate(ResultLists& lists) const override;

    void describeSetup(SetupFacts& facts) const override;
    void reportProblems(const SetupFacts& facts, ProblemList& out) const override;
    // One channel at a time outside burst mode; burst mode leaves start and edge to the
    // hardware and lets the conversion clocks be chosen. `sender` is a channel box or the
    // burst box of the converter.
    void adcChannelClick(int converter, const model::Control& sender);
    // The edge matters only for the start items that wait for an edge.
    void adcStartChange(int converter);
    // With the global DONE interrupt the channel interrupts are off.
    void adginTenClick(int converter);
    // "clk: ..." and the sample rate from the divider, the conversion clocks and the common
    // peripheral clock.
    void refreshAdcFigures(int converter);
    // The mouse over a channel or interrupt box names the channel in the converter's hint label.
    void adcHintMouseMove(int converter, const model::Control& sender);
    // The mouse over the page or a group box clears every hint label.
    void clearHints();

    const AdcUnit& unit(int converter) const { return units_.at(static_cast<std::size_t>(converter)); }
    // Clocks per conversion as the figures count them: the device's clocks less the
    // conversion-clocks item, never below one.
    int conversionClocks(int converter) const;

    // Every burst box is checked before the records are applied, so its handler sets the
    // converter up; the records then give the saved values.
    void restoreFirst(const SavedRecords& records) override;
    // Channels the device does not have are switched off.
    void correctLoadedSetup(LoadCorrections& corrections) override;

private:
    // Unchecks and disables the channels the profile marks missing (CHOFF) that a loaded file
    // switched on, and names them ("AD0.5").
    std::vector<std::string> freeMissingChannels();
    void declareConverter(int converter, model::Control* page);
    void declareBoxes(AdcUnit& unit, int converter);
    void connectConverter(int converter);
    void addPopupRow(int converter);
    // How "Calculate from samples/sec" starts the calculator for the converter's divider.
    CalculatorStart sampleRateStart(int converter) const;
    void loadConverter(int converter);
    void uncheckOtherChannels(AdcUnit& unit, const model::Control& kept);

    std::array<AdcUnit, kConverterCount> units_{};
    // The channels each converter's profile section marks missing.
    std::array<std::array<bool, kChannelCount>, kConverterCount> missing_{};
};

} // namespace regforge::periph::adc
