#include "cli/CommandLine.h"

#include "cli/CheckCommand.h"
#include "cli/CheckProfileCommand.h"
#include "cli/GenerateCommand.h"
#include "cli/ListCommand.h"
#include "cli/ReplaceCommand.h"
#include "io/DataFolders.h"
#include "io/NameText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>

namespace regforge::cli {

namespace {

const ListCommand kList;
const GenerateCommand kGenerate;
const CheckProfileCommand kCheckProfile;
const CheckCommand kCheck;
const ReplaceCommand kReplace;
// The commands in the order --help lists them.
const std::array<const Command*, 5> kCommands = {&kList, &kGenerate, &kCheck, &kCheckProfile, &kReplace};

const Command* findCommand(std::string_view name) {
    for (const Command* command : kCommands)
        if (command->name() == name)
            return command;
    return nullptr;
}

// `text` followed by blanks up to the help column, or by one blank when it is longer.
std::string column(std::string text) {
    text.resize(std::max<std::size_t>(text.size() + 1, 17), ' ');
    return text;
}

std::string synopsis(const Command& command) {
    std::string text = "regforge-cli [--data-dir DIR] " + std::string(command.name());
    for (auto operand : command.operands())
        text.append(1, ' ').append(operand);
    // Switches (--force) are left to the command's help: the usage lines stay as scripts know them.
    for (const auto& option : command.options())
        if (!option.value.empty())
            text.append(" [").append(option.shortName).append(1, ' ').append(option.value).append(1, ']');
    return text;
}

constexpr const char* kCommonOptions =
    "  --data-dir DIR   the folder holding include/ and replace/ (default: REGFORGE_DATA_DIR,\n"
    "                   else the folder of this program, else the installed data in\n"
    "                   ../share/regforge after the user's own ~/.local/share/regforge)\n";
constexpr const char* kExitCodes =
    "exit codes: 0 success, 1 the data could not be used (reason on stderr) or the profile has\n"
    "            problems (check-profile), 2 bad arguments\n";

std::string help() {
    std::string text =
        "regforge-cli: regenerates Regforge's register set-up code without the desktop program.\n\n" +
        usage() + "\ncommands:\n";
    for (const Command* command : kCommands) {
        text += "  " + column(std::string(command->name())) + std::string(command->summary()) + "\n";
    }
    text += "\noptions:\n" + std::string(kCommonOptions) +
            "  --help           show this text; after a command, that command's help\n"
            "  --version        show the version\n\n" +
            kExitCodes;
    return text;
}

std::string commandHelp(const Command& command) {
    std::string text =
        "usage: " + synopsis(command) + "\n\n" + std::string(command.description()) + "\noptions:\n";
    for (const auto& option : command.options()) {
        std::string flags = std::string(option.shortName) + ", " + std::string(option.longName);
        if (!option.value.empty())
            flags += " " + std::string(option.value);
        text += "  " + column(flags) + std::string(option.help) + "\n";
    }
    return text + kCommonOptions + "\n" + kExitCodes;
}

int usageError(std::ostream& err, const std::string& what) {
    err << "regforge-cli: " << what << '\n' << usage();
    return kExitUsage;
}

int commandUsageError(std::ostream& err, const Command& command, const std::string& what) {
    err << "regforge-cli " << command.name() << ": " << what << "\nusage: " << synopsis(command) << '\n';
    return kExitUsage;
}

// Sorts a command's words into its operands and options; an error text when they do not fit.
std::optional<std::string>
parseCommandArguments(const Command& command, const std::vector<std::string>& words, Invocation& invocation) {
    const auto options = command.options();
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word[0] != '-') {
            invocation.operands.push_back(word);
            continue;
        }
        const auto eq = word.find('=');
        const std::string flag = word.substr(0, eq);
        const OptionSpec* spec = nullptr;
        for (const auto& option : options)
            if (flag == option.shortName || flag == option.longName)
                spec = &option;
        if (spec == nullptr)
            return "unknown option '" + io::quotedName(word) + "'";
        if (spec->value.empty()) {
            if (eq != std::string::npos)
                return flag + " takes no value";
            invocation.options[std::string(spec->shortName)] = "";
        } else if (eq != std::string::npos) {
            invocation.options[std::string(spec->shortName)] = word.substr(eq + 1);
        } else if (i + 1 < words.size()) {
            invocation.options[std::string(spec->shortName)] = words[++i];
        } else {
            return word + " needs " + std::string(spec->value);
        }
    }
    const auto expected = command.operands();
    if (invocation.operands.size() != expected.size()) {
        if (expected.empty())
            return std::string(command.name()) + " takes no arguments";
        std::string names;
        for (auto operand : expected)
            names.append(names.empty() ? "" : " ").append(operand);
        return std::string(command.name()) + " takes " + names;
    }
    return std::nullopt;
}

} // namespace

std::string usage() {
    std::string text;
    for (const Command* command : kCommands)
        text += (text.empty() ? "usage: " : "       ") + synopsis(*command) + "\n";
    return text + "       regforge-cli [COMMAND] --help | --version\n";
}

int run(const std::vector<std::string>& args, const std::filesystem::path& programFolder,
        const std::string& envDataDir, std::ostream& out, std::ostream& err) {
    Invocation invocation;
    invocation.dataDir = envDataDir.empty() ? programFolder : std::filesystem::path(envDataDir);
    if (!envDataDir.empty())
        invocation.dataDirOrigin = "REGFORGE_DATA_DIR";
    bool wantsHelp = false;
    bool wantsVersion = false;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            wantsHelp = true;
        } else if (a == "--version") {
            wantsVersion = true;
        } else if (a == "--data-dir") {
            if (i + 1 >= args.size())
                return usageError(err, "--data-dir needs a folder");
            invocation.dataDir = args[++i];
            invocation.dataDirOrigin = "--data-dir";
        } else if (a.rfind("--data-dir=", 0) == 0) {
            invocation.dataDir = a.substr(11);
            invocation.dataDirOrigin = "--data-dir";
        } else {
            words.push_back(a);
        }
    }

    if (words.empty() || (words[0].size() > 1 && words[0][0] == '-')) {
        if (wantsHelp) {
            out << help();
            return kExitOk;
        }
        if (wantsVersion) {
            out << "regforge-cli " << REGFORGE_VERSION << '\n';
            return kExitOk;
        }
        return usageError(err, words.empty() ? "no command given"
                                             : "unknown option '" + io::quotedName(words[0]) + "'");
    }
    const Command* command = findCommand(words[0]);
    if (command == nullptr)
        return usageError(err, "unknown command '" + io::quotedName(words[0]) + "'");
    if (wantsHelp) {
        out << commandHelp(*command);
        return kExitOk;
    }
    if (wantsVersion) {
        out << "regforge-cli " << REGFORGE_VERSION << '\n';
        return kExitOk;
    }
    // The chosen folder, else the layout around the executable (portable or installed).
    invocation.folders = io::DataFolders::locate(
        programFolder, invocation.dataDirOrigin.empty() ? std::filesystem::path() : invocation.dataDir,
        io::UserEnvironment::fromProcess());
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (const auto error = parseCommandArguments(*command, rest, invocation))
        return commandUsageError(err, *command, *error);
    return command->run(invocation, out, err);
}

} // namespace regforge::cli
