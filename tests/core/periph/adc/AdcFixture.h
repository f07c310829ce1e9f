#pragma once

#include "periph/adc/AdcPage.h"
#include "support/PageFixture.h"

#include <string>

namespace regforge::periph::adc {

// The page fixture over the A/D test profiles (tests/fixtures/adc/<name>.ini).
class AdcFixture : public testing::PageFixture {
protected:
    AdcFixture() : PageFixture("adc") {}

    AdcPage& page() { return folder.form().page<AdcPage>(); }

    // The channels of a converter that are checked, as digits ("0", "135").
    std::string checkedChannels(int converter) {
        std::string digits;
        for (int n = 0; n < kChannelCount; ++n)
            if (box(channelBoxName(converter, n)).checked())
                digits += std::to_string(n);
        return digits;
    }
    // 'y' for each channel box of a converter the user can tick, 'n' for each taken away.
    std::string usableChannels(int converter) {
        std::string out;
        for (int n = 0; n < kChannelCount; ++n)
            out += box(channelBoxName(converter, n)).enabled() ? 'y' : 'n';
        return out;
    }
};

} // namespace regforge::periph::adc
