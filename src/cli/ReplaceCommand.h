#pragma once

#include "cli/Command.h"

namespace regforge::cli {

// `replace LIST FILE`: applies the stored replace list LIST to FILE in place, as the desktop
// program's "Process external file" does.
class ReplaceCommand : public Command {
public:
    std::string_view name() const override { return "replace"; }
    std::vector<std::string_view> operands() const override { return {"LIST", "FILE"}; }
    std::vector<OptionSpec> options() const override {
        return {{"-f", "--force", "", "process FILE even when it is read-only"}};
    }
    std::string_view summary() const override { return "apply a stored replace list to a file in place"; }
    std::string_view description() const override;
    int run(const Invocation& invocation, std::ostream& out, std::ostream& err) const override;
};

} // namespace regforge::cli
