// check-profile's checks on any profile text.
#include "FuzzInput.h"
#include "app/ProfileRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = regforge::fuzz::linesOf(data, size);
    const auto problems = regforge::app::checkProfile(lines);
    for (const auto& problem : problems)
        if (problem.line < 0 || static_cast<std::size_t>(problem.line) > lines.size())
            __builtin_trap();
    return 0;
}
