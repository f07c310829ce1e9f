#pragma once

#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ControlStore.h"
#include "model/NumericEdit.h"
#include "model/Signal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace regforge::tools {

// The frequency/period calculator window `Form3`: the user types a wanted frequency or
// period, the two are kept in step, and the register value that an input clock divided down
// gives is shown with the frequency it really produces. In the SSP mode it searches the best
// pair of prescale divisor and serial clock rate instead.
//
// The caller sets the input clock (`Pclock_edit`, MHz), the start frequency and unit, the
// register limits and the mode, runs FormShow(), shows the window modally and reads the
// result back on Apply. The controls live in the calculator's own store under their window
// names, so the dialog binds them like the main window's.
class Calculator {
public:
    enum class ModalResult { None = 0, Ok = 1, Cancel = 2 };

    // Font colours of the figures: within the limit, above it.
    static constexpr model::Colour kWithinLimitColour = 0x0636F9;
    static constexpr model::Colour kAboveLimitColour = model::kRed;

    Calculator();
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    model::ControlStore& store() { return store_; }
    const model::ControlStore& store() const { return store_; }

    model::Form& form() { return *form_; }
    model::NumericEdit& frequencyEdit() { return *frequencyEdit_; }
    model::ComboBox& frequencyCombo() { return *frequencyCombo_; }
    model::NumericEdit& periodEdit() { return *periodEdit_; }
    model::ComboBox& periodCombo() { return *periodCombo_; }
    model::NumericEdit& pclockEdit() { return *pclockEdit_; }
    model::Control& resultLabel() { return *resultLabel_; }
    model::Control& result2Label() { return *result2Label_; }
    model::Control& adcFrequencyLabel() { return *adcFrequencyLabel_; }
    model::Control& rangeLabel() { return *rangeLabel_; }
    model::Control& applyButton() { return *applyButton_; }
    // The register value (or the SSP pair) as shown.
    const std::string& resultText() const { return resultLabel_->caption(); }
    // A wanted frequency gave a register value (or a pair): only then can it be applied.
    bool hasResult() const { return !resultText().empty(); }
    // The wanted frequency lies beyond what the register can give: the figures show the nearest
    // value it reaches, in red, with `RangeLabel` saying so.
    bool outOfReach() const { return outOfReach_; }

    // Largest register value allowed.
    std::int64_t registerMax() const { return registerMax_; }
    void setRegisterMax(std::int64_t value) { registerMax_ = value; }
    // 1 for registers that count from 0 (register = divisor - 1), else 0.
    std::int32_t registerOffset() const { return registerOffset_; }
    void setRegisterOffset(std::int32_t value) { registerOffset_ = value; }
    // Converter clocks per sample; anything but 1 shows the A/D converter figures.
    std::int32_t clocksPerSample() const { return clocksPerSample_; }
    void setClocksPerSample(std::int32_t value) { clocksPerSample_ = value; }
    // Highest resulting clock in Hz; 0: no limit.
    std::int32_t clockLimit() const { return clockLimit_; }
    void setClockLimit(std::int32_t value) { clockLimit_ = value; }
    // Search the SSP prescale divisor and serial clock rate instead of one register.
    bool sspSearch() const { return sspSearch_; }
    void setSspSearch(bool on) { sspSearch_ = on; }
    // The pair the last search found; it stays until a search finds a closer one.
    std::int32_t foundCpsdvsr() const { return foundCpsdvsr_; }
    void setFoundCpsdvsr(std::int32_t value) { foundCpsdvsr_ = value; }
    std::int32_t foundScr() const { return foundScr_; }
    void setFoundScr(std::int32_t value) { foundScr_ = value; }

    // Counting samples instead of hertz (the A/D dividers): `clocksPerSample` converter clocks
    // a sample, the frequency list `units` starting at `startUnit`, the figures named as rates.
    void showSampleRates(std::int32_t clocksPerSample, const std::vector<std::string>& units, int startUnit);

    // Showing the window brings the results in line with the start value.
    void FormShow();
    // `FrequencyEdit` or `FrequencyCombo` changed: the period and the results follow.
    void FrequencyChange();
    // `PeriodEdit` or `PeriodCombo` changed: the frequency and the results follow.
    void PeriodChange();

    // Enter in the window: Apply, when there is a result to apply.
    void pressEnter();

    // How the user left the window: Apply gives Ok, Abort Cancel.
    ModalResult modalResult() const { return modalResult_; }
    // Apply or Abort was pressed: the dialog closes.
    model::Signal<> closeRequested;

private:
    void declareControls();
    void connectHandlers();
    void close(ModalResult result);

    void clearResults();
    // Results for a wanted frequency in Hz.
    void showResults(double hz);
    void showRegisterResults(double hz, double inputHz);
    void showPairSearchResults(double hz, double inputHz);
    void showReach(bool outOfReach);

    model::ControlStore store_;
    model::Form* form_ = nullptr;
    model::NumericEdit* frequencyEdit_ = nullptr;
    model::ComboBox* frequencyCombo_ = nullptr;
    model::NumericEdit* periodEdit_ = nullptr;
    model::ComboBox* periodCombo_ = nullptr;
    model::NumericEdit* pclockEdit_ = nullptr;
    model::Control* resultLabel_ = nullptr;
    model::Control* result2Label_ = nullptr;
    model::Control* adcFrequencyLabel_ = nullptr;
    model::Control* rangeLabel_ = nullptr;
    model::Control* applyButton_ = nullptr;

    std::int64_t registerMax_ = 0;
    std::int32_t registerOffset_ = 0;
    std::int32_t clocksPerSample_ = 1;
    std::int32_t clockLimit_ = 0;
    bool sspSearch_ = false;
    std::int32_t foundCpsdvsr_ = 8;
    std::int32_t foundScr_ = 0;
    bool outOfReach_ = false;
    ModalResult modalResult_ = ModalResult::None;
};

} // namespace regforge::tools
