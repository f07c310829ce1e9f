#pragma once

#include "output/Compiler.h"
#include "periph/ResultLists.h"
#include "profile/DeviceState.h"

#include <string>
#include <vector>

namespace regforge::output {

inline constexpr const char* kSetupHeaderName = "regforge_setup.h";
inline constexpr const char* kSetupSourceName = "regforge_setup.c";

// One file the tool owns in the user's build: its name in the folder and its whole text.
struct GeneratedFile {
    std::string name;
    std::string text;

    bool operator==(const GeneratedFile&) const = default;
};

// Frames the generators' lists as the two files the user's build compiles instead of the pasted
// text: the header (device include, the profile's [DEFINE] body, the declarations) and the
// source (weak empty hooks, the handlers calling them, `regforge_setup` holding what the pasted
// `main` does before its endless loop). Lines end in LF.
std::vector<GeneratedFile> frameSetupFiles(const profile::DeviceState& device,
                                           const periph::ResultLists& lists, Compiler compiler);

} // namespace regforge::output
