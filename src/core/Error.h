#pragma once

#include <stdexcept>

namespace regforge {

// The base of every failure the core reports on purpose: a file that cannot be read or
// written, a profile, configuration or register text that cannot be converted. Places that
// turn a failure into a message catch this type only, so a programming error (a missing
// control, an index out of range) is never dressed up as "Can't open profile".
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace regforge
