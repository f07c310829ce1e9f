#pragma once

#include "cli/Command.h"

namespace regforge::cli {

// `check-profile DEVICE|FILE.ini`: lists what is wrong with a device profile, line by line, then
// loads it the way "Load profile" does and reports a failed load too.
class CheckProfileCommand : public Command {
public:
    std::string_view name() const override { return "check-profile"; }
    std::vector<std::string_view> operands() const override { return {"DEVICE|FILE.ini"}; }
    std::string_view summary() const override {
        return "check a device profile (a device of DIR/include or any FILE.ini)";
    }
    std::string_view description() const override;
    int run(const Invocation& invocation, std::ostream& out, std::ostream& err) const override;
};

} // namespace regforge::cli
