#pragma once

#include "periph/ResultLists.h"
#include "profile/DeviceState.h"

#include <string>
#include <vector>

namespace regforge::output {

// The address the banner points readers to.
inline constexpr const char* kMakerAddress = "https://regforge.dev";

// The comment that opens every generated text.
std::vector<std::string> banner();

// Frames the generators' lists: banner, include line, the profile's [DEFINE] body, the
// functions, and `main` with its statements and the endless loop.
std::vector<std::string> frameResult(const profile::DeviceState& device, const periph::ResultLists& lists);

} // namespace regforge::output
