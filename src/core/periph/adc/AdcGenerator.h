#pragma once

#include "model/NumericEdit.h"
#include "periph/ResultLists.h"
#include "periph/adc/AdcUnit.h"
#include "profile/DeviceState.h"

#include <array>

namespace regforge::periph::adc {

// Writes the set-up of every checked A/D converter into `main`: a comment block that explains
// the settings, the profile's power/clock line ([ADCn_INIT], once per result, for the first
// converter that has one) and the CR and INTEN assignments, under the names the profile's
// [REGISTER_NAMES] gives them ("AD0CR=ADCR", "LPC_ADC->CR=LPC_ADC->ADCR"; "AD0INTEN=" leaves the
// INTEN line out on a converter without that register).
class AdcGenerator {
public:
    explicit AdcGenerator(const profile::DeviceState& device) : device_(device) {}

    // `peripheralClock` is the common peripheral clock edit (MHz) the figures were computed
    // from. Appends to lists.mainLines only.
    void generate(const std::array<AdcUnit, kConverterCount>& units,
                  const model::NumericEdit& peripheralClock, ResultLists& lists) const;

private:
    const profile::DeviceState& device_;
};

} // namespace regforge::periph::adc
