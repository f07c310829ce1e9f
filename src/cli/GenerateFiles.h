#pragma once

#include "cli/Command.h"
#include "output/Compiler.h"
#include "output/SetupFiles.h"

#include <iosfwd>
#include <vector>

namespace regforge::cli {

// `generate CONFIG.sav --files DIR`: the checks of the files' options before anything is loaded
// (kExitOk when they are usable, else the exit code, the reason on `err`).
int checkFilesOptions(const Invocation& invocation, std::ostream& err);

// The compiler --compiler names; `configured` (the configuration's own choice) when it is not given.
output::Compiler chosenCompiler(const Invocation& invocation, output::Compiler configured);

// Writes the created files into DIR (only those whose text changed) or, with --verify, compares
// them with what DIR holds: exit 1 with a diff on `err` when they differ.
int writeFiles(const Invocation& invocation, const std::vector<output::GeneratedFile>& files,
               std::ostream& err);

} // namespace regforge::cli
