#pragma once

#include "periph/Page.h"

namespace regforge::periph::adc {

// The "ADC" page: the A/D converters, their clock and sample rate.
class AdcPage : public Page {
public:
    explicit AdcPage(PageContext& context) : Page(context) {}
};

} // namespace regforge::periph::adc
