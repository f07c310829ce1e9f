#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace regforge::output {

// The compiler the generated files are written for: it decides how a handler and a weak default
// are spelled.
enum class Compiler {
    Keil, // ARM7 armcc `__irq`, `__weak`
    Gcc,  // `__attribute__((interrupt("IRQ")))` on ARM7, `__attribute__((weak))`
};

// The Result page's choice of compiler: a combo box whose item index is the Compiler value.
inline constexpr const char* kCompilerComboBox = "CompilerComboBox";
inline constexpr const char* kCompilerItems[] = {"Keil", "GCC"};

// "keil" or "gcc", as the command line and the saved configuration name them.
std::string_view compilerName(Compiler compiler);
// The compiler a name gives (letter case ignored); nullopt for any other name.
std::optional<Compiler> compilerNamed(std::string_view name);

} // namespace regforge::output
