#pragma once

#include "cli/Command.h"

namespace regforge::cli {

// `generate CONFIG.sav [-o FILE | --files DIR [--compiler keil|gcc]] [-r LIST] [--verify]`: loads the
// configuration as the desktop program does and writes the code "Create code" makes of it.
class GenerateCommand : public Command {
public:
    std::string_view name() const override { return "generate"; }
    std::vector<std::string_view> operands() const override { return {"CONFIG.sav"}; }
    std::vector<OptionSpec> options() const override {
        return {
            {"-o", "--output", "FILE", "write the code to FILE instead of standard output"},
            {"-r", "--replace", "LIST", "apply the stored replace list LIST instead of the configuration's"},
            {"-f", "--force", "", "replace FILE even when it is read-only"},
            {"-F", "--files", "DIR", "write regforge_setup.h and regforge_setup.c into the folder DIR"},
            {"-c", "--compiler", "NAME",
             "the syntax of the files' handlers: keil or gcc (default: the configuration's)"},
            {"-V", "--verify", "",
             "write nothing; exit 1 with a diff when FILE (or DIR) differs from the code"}};
    }
    std::string_view summary() const override {
        return "load a saved configuration and print the generated C code";
    }
    std::string_view description() const override;
    int run(const Invocation& invocation, std::ostream& out, std::ostream& err) const override;
};

} // namespace regforge::cli
