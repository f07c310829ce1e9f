#pragma once

#include "cli/Command.h"

namespace regforge::cli {

// `check CONFIG.sav [--warnings-as-errors] [--format text|json]`: loads the configuration as the
// desktop program does and prints the problems list of its set-up.
class CheckCommand : public Command {
public:
    std::string_view name() const override { return "check"; }
    std::vector<std::string_view> operands() const override { return {"CONFIG.sav"}; }
    std::vector<OptionSpec> options() const override {
        return {{"-W", "--warnings-as-errors", "", "exit 1 on warnings as well"},
                {"-F", "--format", "FORMAT", "text (the default) or json"}};
    }
    std::string_view summary() const override { return "load a saved configuration and list its problems"; }
    std::string_view description() const override;
    int run(const Invocation& invocation, std::ostream& out, std::ostream& err) const override;
};

} // namespace regforge::cli
