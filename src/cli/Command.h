#pragma once

#include "io/DataFolders.h"

#include <filesystem>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::cli {

// An option a command takes: with a value ("-o FILE"), or a switch without one ("-f").
struct OptionSpec {
    std::string_view shortName; // "-o"
    std::string_view longName;  // "--output"
    std::string_view value;     // "FILE"; empty for a switch
    std::string_view help;
};

// The arguments a command was given, checked against what it declares.
struct Invocation {
    std::filesystem::path dataDir;
    // Where dataDir came from: "--data-dir", "REGFORGE_DATA_DIR", or empty for the program's folder.
    std::string dataDirOrigin;
    // Where the profiles and replace lists are read and what is written goes.
    io::DataFolders folders = io::DataFolders::single({});
    std::vector<std::string> operands;
    std::map<std::string, std::string, std::less<>> options; // by short name

    const std::string* option(std::string_view shortName) const {
        const auto found = options.find(shortName);
        return found == options.end() ? nullptr : &found->second;
    }
    bool has(std::string_view shortName) const { return option(shortName) != nullptr; }
};

// One regforge-cli command: its name, the operands and options it takes, its help, and what it
// runs. The command line parses against the declaration, so `run` sees only valid arguments.
class Command {
public:
    virtual ~Command() = default;

    virtual std::string_view name() const = 0;
    // Operand names, each required: {"CONFIG.sav"}.
    virtual std::vector<std::string_view> operands() const = 0;
    virtual std::vector<OptionSpec> options() const { return {}; }
    // One line for the command list of `--help`.
    virtual std::string_view summary() const = 0;
    // The rest of `regforge-cli COMMAND --help`: what the command does and prints.
    virtual std::string_view description() const = 0;

    // Returns the exit code.
    virtual int run(const Invocation& invocation, std::ostream& out, std::ostream& err) const = 0;
};

} // namespace regforge::cli
