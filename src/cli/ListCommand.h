#pragma once

#include "cli/Command.h"

namespace regforge::cli {

// `list`: the device names exactly as the desktop program's device list shows them.
class ListCommand : public Command {
public:
    std::string_view name() const override { return "list"; }
    std::vector<std::string_view> operands() const override { return {}; }
    std::string_view summary() const override {
        return "print the device profiles found in DIR/include, one per line";
    }
    std::string_view description() const override;
    int run(const Invocation& invocation, std::ostream& out, std::ostream& err) const override;
};

} // namespace regforge::cli
