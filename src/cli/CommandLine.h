#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace regforge::cli {

// Runs regforge-cli with its arguments (without the program name); returns the exit code.
int run(const std::vector<std::string>& args, const std::string& programPath, std::ostream& out,
        std::ostream& err);

} // namespace regforge::cli
