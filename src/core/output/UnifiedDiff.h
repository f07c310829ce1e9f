#pragma once

#include <string>
#include <string_view>

namespace regforge::output {

// The differences from `before` to `after` as a unified diff (three lines of context) with the
// given file labels; empty when the two texts are the same.
std::string unifiedDiff(std::string_view before, std::string_view after, const std::string& beforeLabel,
                        const std::string& afterLabel);

} // namespace regforge::output
