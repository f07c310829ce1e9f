#include "tools/Calculator.h"

#include "model/NumberText.h"
#include "model/ValueFormat.h"

#include <array>
#include <cmath>
#include <string_view>

namespace regforge::tools {

namespace {

constexpr std::string_view kCaption = "Set frequency/period";

// Unit items: frequency item i scales by 1000^(i - 1) Hz, period item i by 1000^(i - 3) s.
const std::vector<std::string> kFrequencyUnits = {"mHz", "Hz", "KHz", "MHZ"};
const std::vector<std::string> kPeriodUnits = {"nS", "uS", "mS", "S"};
constexpr int kHzItem = 1;
constexpr int kNanosecondItem = 0;

// Decimals kept when one box is written from the other.
constexpr int kPeriodDecimals = 2;
constexpr int kFrequencyDecimals = 4;
// Decimals of the result figures.
constexpr int kFigureFrequencyDecimals = 4;
constexpr int kFigurePeriodDecimals = 2;

// The SSP search: the prescale divisor is even from 8 to 254, the serial clock rate 0 to 255;
// pairs further than this from the wanted clock never replace the pair found before.
constexpr int kFirstCpsdvsr = 8;
constexpr int kLastCpsdvsr = 254;
constexpr int kLastScr = 255;
constexpr double kSearchStartError = 1000000;

// The SPI clock counter and the SSP prescaler share this maximum; both must be even and 8 or more.
constexpr std::int64_t kEvenDividerMax = 254;
constexpr std::int64_t kEvenDividerMin = 8;

// A wanted clock this close above the fastest one counts as the fastest: start values are
// rounded for display and may land a hair above the clock they came from.
constexpr double kReachTolerance = 1e-5;

// What `RangeLabel` says when the wanted clock is beyond the register's range.
constexpr std::string_view kOutOfReachText = "Out of reach: the nearest value is shown";

// The wanted clock needs a divisor below the smallest one the register allows.
bool fasterThanReachable(double divisor, double smallestDivisor) {
    return divisor < smallestDivisor * (1 - kReachTolerance);
}

// value x 1000^exponent; negative exponents divide, which keeps 500 mHz at exactly 0.5 Hz.
double scaleByThousands(double value, int exponent) {
    const double factor = std::pow(1000.0, std::abs(exponent));
    return exponent >= 0 ? value * factor : value / factor;
}

// The figures' frequency text with one more range for slow clocks: below 1 Hz the value is
// given in thousandths ("500 mHz").
std::string frequencyText(int decimals, std::string_view unit, double hz) {
    const auto single = static_cast<float>(hz);
    if (single < 1) {
        std::string text = model::formatGeneral(model::roundToDecimals(double{single} * 1000, decimals));
        text += " m";
        text += unit;
        return text;
    }
    return model::formatFrequency(decimals, unit, single);
}

// "<frequency> ( <period> )" as every result figure shows a clock.
std::string clockText(double hz) {
    return frequencyText(kFigureFrequencyDecimals, "Hz", hz) + " ( " +
           model::formatPeriod(kFigurePeriodDecimals, static_cast<float>(hz)) + " )";
}

bool isUsableFrequency(double hz) {
    return std::isfinite(hz) && hz > 0;
}

} // namespace

Calculator::Calculator() {
    declareControls();
    connectHandlers();
}

void Calculator::declareControls() {
    using model::ControlKind;
    form_ = &store_.add<model::Form>("Form3");
    form_->setCaption(std::string(kCaption));

    store_.addPlain(ControlKind::Label, "Label1", form_, "Frequency");
    frequencyEdit_ = &store_.add<model::NumericEdit>("FrequencyEdit", form_);
    frequencyEdit_->setValueKind(model::ValueKind::Float);
    frequencyEdit_->setMaxLength(10);
    frequencyEdit_->setText("0");
    frequencyCombo_ = &store_.add<model::ComboBox>("FrequencyCombo", form_);
    frequencyCombo_->setItems(kFrequencyUnits);
    frequencyCombo_->setItemIndex(kHzItem);

    store_.addPlain(ControlKind::Label, "Label2", form_, "Period");
    periodEdit_ = &store_.add<model::NumericEdit>("PeriodEdit", form_);
    periodEdit_->setValueKind(model::ValueKind::Float);
    periodEdit_->setMaxLength(10);
    periodEdit_->setText("0");
    periodCombo_ = &store_.add<model::ComboBox>("PeriodCombo", form_);
    periodCombo_->setItems(kPeriodUnits);
    periodCombo_->setItemIndex(kNanosecondItem);

    // The input clock may exceed the CPU clock limit: the sample-rate caller puts a rate in it.
    pclockEdit_ = &store_.add<model::NumericEdit>("Pclock_edit", form_);
    pclockEdit_->setValueKind(model::ValueKind::Float);
    pclockEdit_->setText("15");
    pclockEdit_->setReadOnly(true);
    pclockEdit_->setVisible(false);

    store_.addPlain(ControlKind::Label, "Label4", form_, "Calculated reg value:");
    resultLabel_ = &store_.addPlain(ControlKind::Label, "ResultLabel", form_);
    store_.addPlain(ControlKind::Label, "Label3", form_, "Calculated Frequency:");
    result2Label_ = &store_.addPlain(ControlKind::Label, "Result2Label", form_);
    store_.addPlain(ControlKind::Label, "Label5", form_, "Calculated Frequency:").setVisible(false);
    adcFrequencyLabel_ = &store_.addPlain(ControlKind::Label, "ADCfrequencyLabel", form_);
    adcFrequencyLabel_->setVisible(false);
    rangeLabel_ = &store_.addPlain(ControlKind::Label, "RangeLabel", form_, std::string(kOutOfReachText));
    rangeLabel_->setFontColour(kAboveLimitColour);
    rangeLabel_->setVisible(false);

    applyButton_ = &store_.addPlain(ControlKind::Button, "Apply", form_, "Apply");
    applyButton_->setEnabled(false);
    store_.addPlain(ControlKind::Button, "Abort", form_, "Abort");
}

void Calculator::connectHandlers() {
    frequencyEdit_->changed.connect([this](model::Control&) { FrequencyChange(); });
    frequencyCombo_->changed.connect([this](model::Control&) { FrequencyChange(); });
    periodEdit_->changed.connect([this](model::Control&) { PeriodChange(); });
    periodCombo_->changed.connect([this](model::Control&) { PeriodChange(); });
    applyButton_->clicked.connect([this](model::Control&) { pressEnter(); });
    store_.get<model::Control>("Abort").clicked.connect(
        [this](model::Control&) { close(ModalResult::Cancel); });
}

void Calculator::close(ModalResult result) {
    modalResult_ = result;
    closeRequested.emit();
}

void Calculator::pressEnter() {
    // Without a wanted frequency there is nothing to apply; the register keeps its value.
    if (hasResult())
        close(ModalResult::Ok);
}

void Calculator::showSampleRates(std::int32_t clocksPerSample, const std::vector<std::string>& units,
                                 int startUnit) {
    clocksPerSample_ = clocksPerSample;
    store_.get<model::Control>("Label1").setCaption("ADC rate");
    store_.get<model::Control>("Label3").setCaption("Calculated ADC rate:");
    store_.get<model::Control>("Label5").setVisible(true);
    adcFrequencyLabel_->setVisible(true);
    // The new units must not run the handlers with the old start value.
    model::MuteGuard quiet(*frequencyCombo_);
    frequencyCombo_->setItems(units);
    frequencyCombo_->setItemIndex(startUnit);
}

void Calculator::FormShow() {
    FrequencyChange();
}

void Calculator::FrequencyChange() {
    // Writing the period must not run the period handlers, which would write the frequency
    // back over what the user is typing; that holds for emptying it as well.
    model::MuteGuard periodEditMuted(*periodEdit_);
    model::MuteGuard periodComboMuted(*periodCombo_);

    const double hz = scaleByThousands(frequencyEdit_->valueAsFloat(), frequencyCombo_->itemIndex() - 1);
    if (!isUsableFrequency(hz)) {
        periodEdit_->setText("");
        clearResults();
        return;
    }

    double period = 0;
    int unit = 0;
    if (hz >= 1000000) {
        period = 1e9 / hz;
        unit = 0;
    } else if (hz >= 1000) {
        period = 1e6 / hz;
        unit = 1;
    } else if (hz >= 1) {
        period = 1000 / hz;
        unit = 2;
    } else {
        period = 1 / hz;
        unit = 3;
    }
    periodEdit_->setText(model::formatGeneral(model::roundToDecimals(period, kPeriodDecimals)));
    periodCombo_->setItemIndex(unit);
    showResults(hz);
}

void Calculator::PeriodChange() {
    model::MuteGuard frequencyEditMuted(*frequencyEdit_);
    model::MuteGuard frequencyComboMuted(*frequencyCombo_);

    const double period = periodEdit_->valueAsFloat();
    const double hz = period > 0 ? scaleByThousands(1, 3 - periodCombo_->itemIndex()) / period : 0;
    if (!isUsableFrequency(hz)) {
        frequencyEdit_->setText("");
        clearResults();
        return;
    }

    double shown = 0;
    int unit = 0;
    if (hz >= 1000000) {
        shown = hz / 1e6;
        unit = 3;
    } else if (hz >= 1000) {
        shown = hz / 1000;
        unit = 2;
    } else if (hz >= 1) {
        shown = hz;
        unit = 1;
    } else {
        shown = hz * 1000;
        unit = 0;
    }
    frequencyEdit_->setText(model::formatGeneral(model::roundToDecimals(shown, kFrequencyDecimals)));
    frequencyCombo_->setItemIndex(unit);
    // The results follow the frequency as shown, rounded as it is.
    showResults(scaleByThousands(frequencyEdit_->valueAsFloat(), frequencyCombo_->itemIndex() - 1));
}

void Calculator::clearResults() {
    resultLabel_->setCaption("");
    result2Label_->setCaption("");
    adcFrequencyLabel_->setCaption("");
    showReach(false);
    applyButton_->setEnabled(false);
}

void Calculator::showReach(bool outOfReach) {
    outOfReach_ = outOfReach;
    rangeLabel_->setVisible(outOfReach);
}

void Calculator::showResults(double hz) {
    // A frequency that rounded away to nothing has no divisor.
    if (!isUsableFrequency(hz)) {
        clearResults();
        return;
    }
    const double inputHz = pclockEdit_->valueAsFloat() * 1e6;
    if (sspSearch_)
        showPairSearchResults(hz, inputHz);
    else
        showRegisterResults(hz, inputHz);
    applyButton_->setEnabled(hasResult());
}

void Calculator::showRegisterResults(double hz, double inputHz) {
    // Halves go to the even divisor (the default rounding mode).
    const double exactDivisor = inputHz / hz;
    const double divisor = std::nearbyint(exactDivisor);
    const double wanted = divisor - registerOffset_;
    // The smallest value the register takes: 8 for the even dividers, 1 for a plain divisor,
    // 0 for one that counts from zero.
    const std::int64_t smallestValue =
        registerMax_ == kEvenDividerMax ? kEvenDividerMin : (registerOffset_ != 0 ? 0 : 1);
    bool limited = false;

    // Compared as a number, so a divisor too large for plain integer text is limited like
    // any other; what is shown is always a plain integer.
    std::int64_t value = 0;
    constexpr double kBeyondInt64 = 9223372036854775808.0;
    if (!(wanted <= static_cast<double>(registerMax_)) || wanted >= kBeyondInt64) {
        value = registerMax_;
        limited = true;
    } else {
        value = static_cast<std::int64_t>(wanted);
        if (registerMax_ == kEvenDividerMax) {
            if (value < kEvenDividerMin)
                value = kEvenDividerMin;
            else if (value % 2 != 0)
                value -= 1;
        }
    }
    if (registerOffset_ != 0 && value < 0)
        value = 0;
    else if (registerOffset_ == 0 && value <= 0)
        value = 1;
    resultLabel_->setCaption(std::to_string(value));
    showReach(limited ||
              fasterThanReachable(exactDivisor, static_cast<double>(registerOffset_ + smallestValue)));

    const double dividedBy = static_cast<double>(registerOffset_) + static_cast<double>(value);
    if (!(dividedBy > 0)) {
        result2Label_->setCaption("");
        adcFrequencyLabel_->setCaption("");
        return;
    }
    const double outputHz = inputHz / dividedBy;
    if (clocksPerSample_ == 1) {
        result2Label_->setCaption(clockText(outputHz));
        const bool aboveLimit = clockLimit_ > 0 && outputHz > clockLimit_;
        result2Label_->setFontColour(aboveLimit || outOfReach_ ? kAboveLimitColour : kWithinLimitColour);
        return;
    }
    const double converterHz = outputHz * clocksPerSample_;
    result2Label_->setCaption(frequencyText(kFigureFrequencyDecimals, "samples/sec", outputHz));
    result2Label_->setFontColour(outOfReach_ ? kAboveLimitColour : model::kDefaultColour);
    adcFrequencyLabel_->setCaption(frequencyText(kFigureFrequencyDecimals, "Hz", converterHz));
    adcFrequencyLabel_->setFontColour(clockLimit_ >= converterHz ? kWithinLimitColour : kAboveLimitColour);
}

void Calculator::showPairSearchResults(double hz, double inputHz) {
    // Loop order decides ties: the first pair reaching the smallest error stays.
    double best = kSearchStartError;
    for (int cpsdvsr = kFirstCpsdvsr; cpsdvsr <= kLastCpsdvsr; cpsdvsr += 2) {
        for (int scr = 0; scr <= kLastScr; ++scr) {
            const double error = std::fabs(hz - inputHz / (cpsdvsr * (scr + 1)));
            if (error < best) {
                best = error;
                foundCpsdvsr_ = cpsdvsr;
                foundScr_ = scr;
            }
        }
    }
    resultLabel_->setCaption("SPSR: " + std::to_string(foundCpsdvsr_) +
                             "      SCR: " + std::to_string(foundScr_));
    const double divisor = static_cast<double>(foundCpsdvsr_) * (static_cast<double>(foundScr_) + 1);
    result2Label_->setCaption(clockText(inputHz / divisor));
    const double exactDivisor = inputHz / hz;
    constexpr double kLargestPair = static_cast<double>(kLastCpsdvsr) * (kLastScr + 1);
    showReach(fasterThanReachable(exactDivisor, kFirstCpsdvsr) ||
              std::nearbyint(exactDivisor) > kLargestPair);
    result2Label_->setFontColour(outOfReach_ ? kAboveLimitColour : model::kDefaultColour);
}

} // namespace regforge::tools
