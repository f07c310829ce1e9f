#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <utility>

namespace regforge::testing {

// The names a family's device headers give (tests/fixtures/registers/<list>.txt) as one part
// sees them: a line "NAME {LPC2103,LPC2129}" holds only on the parts listed, "NAME {!LPC2103}"
// on every part but those.
std::set<std::string> headerNames(const std::filesystem::path& list, const std::string& part);

// A header that declares exactly those names, the way the vendor headers declare them: ARM7
// registers as macros of volatile objects; Cortex-M3 peripherals as structures reached through
// LPC_xxx pointer macros, the IRQn_Type enumeration, the NVIC functions the code calls; handlers
// as functions. Nothing else, so a name the code writes and the header lacks fails to compile.
// The one file that includes it after defining RF_DEFINE_NAMES defines the objects, so the code
// links.
std::string namesOnlyHeader(const std::set<std::string>& names);

// Compiles one C text with arm-none-eabi-gcc -Wall -Werror (ARM7 or Cortex-M3 code) with
// `header` found under every name the text includes. Returns the compiler's messages, empty when
// it compiled cleanly.
std::string compileForArm(const std::string& code, const std::string& header, bool cortexM3,
                          const std::filesystem::path& folder);

// Runs a shell command line: its exit status and what it printed on standard output.
std::pair<int, std::string> runCommand(const std::string& command);

// The compiler's path, empty when it is not installed.
std::string armCompiler();

} // namespace regforge::testing
