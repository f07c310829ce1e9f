#pragma once

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

    bool created() const { return status == Status::Created; }
};

} // namespace regforge::app
