#pragma once

#include <map>
#include <string>
#include <vector>

namespace regforge::profile {

// The names a part's own device header gives registers and structure members where they differ
// from the manual's names the generators write: the lines "WRITTEN=HEADER" of [REGISTER_NAMES]
// ("AD0CR=ADCR", "LPC_ADC->CR=LPC_ADC->ADCR"). An empty HEADER says the part has no such
// register, and its line is left out of the code. A profile without the section keeps every name.
class RegisterNames {
public:
    static constexpr const char* kSection = "[REGISTER_NAMES]";

    // Reads the section's lines; a line that is no such pair is left to the profile check.
    static RegisterNames fromProfile(const std::vector<std::string>& profileLines);
    // True when `line` is a pair of names ("A=B", "A->M=B->N", "A=").
    static bool wellFormed(const std::string& line);

    // The name the code writes for `written`: the header's name, or `written` itself.
    std::string operator()(const std::string& written) const;
    // False when the part's header has no register `written`.
    bool exists(const std::string& written) const { return !(*this)(written).empty(); }

private:
    std::map<std::string, std::string> names_;
};

} // namespace regforge::profile
