#pragma once

#include "output/SetupFiles.h"

#include <string>
#include <vector>

namespace regforge::app {

// What "Create code" makes of the current settings: the framed result text, or why there is none.
struct CodeResult {
    enum class Status {
        Created,         // `lines` holds the result text
        NoDevice,        // no device is loaded
        NoPins,          // the loaded device has no pins, so there is nothing to set up
        GeneratorFailed, // a generator could not convert a setting; `message` says which
    };

    Status status = Status::Created;
    std::vector<std::string> lines;
    std::string message;
    // The files instead of `lines`, when the result was asked for as files.
    std::vector<output::GeneratedFile> files;

    bool created() const { return status == Status::Created; }
};

} // namespace regforge::app
