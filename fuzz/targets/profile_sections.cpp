// Section lookup on any profile text: every header the loaders ask for, and the input's own
// first line as a header.
#include "FuzzInput.h"
#include "profile/ProfileSections.h"

#include <array>

namespace {

constexpr std::array<const char*, 12> kHeaders = {"[PINSEL]",
                                                  "[IODIR]",
                                                  "[IOCON]",
                                                  "[TIMER0]",
                                                  "[TIMER3]",
                                                  "[INCLUDE]",
                                                  "[INTWAKE]",
                                                  "[PINMODE]",
                                                  "[NOOD]",
                                                  "[LPC13xx]",
                                                  "[EXCLUSIVEFUNCTIONS]",
                                                  ""};

void lookUp(const regforge::profile::Lines& lines, std::string_view header) {
    using namespace regforge::profile;
    const int index = findSection(lines, header);
    if (hasSection(lines, header) != (index >= 0))
        __builtin_trap();
    const Lines body = sectionBody(lines, header);
    if (index >= 0 && sectionBodyAt(lines, index) != body)
        __builtin_trap();
    try {
        (void)lineAfter(lines, header);
    } catch (const ProfileError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = regforge::fuzz::linesOf(data, size);
    for (const char* header : kHeaders)
        lookUp(lines, header);
    if (!lines.empty())
        lookUp(lines, lines.front());
    return 0;
}
