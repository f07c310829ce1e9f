#include "output/Compiler.h"

#include <algorithm>
#include <cctype>

namespace regforge::output {

std::string_view compilerName(Compiler compiler) {
    return compiler == Compiler::Gcc ? "gcc" : "keil";
}

std::optional<Compiler> compilerNamed(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const Compiler c : {Compiler::Keil, Compiler::Gcc})
        if (lower == compilerName(c))
            return c;
    return std::nullopt;
}

} // namespace regforge::output
