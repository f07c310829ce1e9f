#include "cli/CommandLine.h"

#include <ostream>

namespace regforge::cli {

int run(const std::vector<std::string>&, const std::string&, std::ostream&, std::ostream&) { return 0; }

} // namespace regforge::cli
