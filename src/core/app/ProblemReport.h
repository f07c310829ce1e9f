#pragma once

#include "periph/ProblemList.h"

#include <string>

namespace regforge::app {

// The problems as `check` prints them, in page order, one line each:
// "FILE: error: what [page]; how to fix it".
std::string problemText(const periph::ProblemList& problems, const std::string& file);
// The same as one JSON document for tools: {"file": ..., "errors": n, "warnings": n, "notes": n,
// "problems": [{"severity", "page", "subject", "control", "message", "fix"}, ...]}.
std::string problemJson(const periph::ProblemList& problems, const std::string& file);

} // namespace regforge::app
