#include "cli/CommandLine.h"

#include "cli/GenerateCommand.h"
#include "cli/ListCommand.h"
#include "io/DataFolders.h"

#include <optional>
#include <ostream>

namespace regforge::cli {

std::string usage() {
    return "usage: regforge-cli [--data-dir DIR] list\n"
           "       regforge-cli [--data-dir DIR] generate CONFIG.sav [-o FILE]\n"
           "       regforge-cli --help | --version\n";
}

namespace {

std::string help() {
    return "regforge-cli: regenerates Regforge's register set-up code without the desktop program.\n\n" +
           usage() +
           "\n"
           "commands:\n"
           "  list             print the device profiles found in DIR/include, one per line\n"
           "  generate         load a saved configuration (its device profile from DIR/include) and\n"
           "                   print the generated C code, or write it to FILE with -o\n\n"
           "options:\n"
           "  --data-dir DIR   the folder holding include/ and replace/ (default: REGFORGE_DATA_DIR,\n"
           "                   else the folder of this program, else the installed data in\n"
           "                   ../share/regforge after the user's own ~/.local/share/regforge)\n"
           "  --help           show this text\n"
           "  --version        show the version\n\n"
           "exit codes: 0 success, 1 the data could not be used (reason on stderr), 2 bad arguments\n";
}

int usageError(std::ostream& err, const std::string& what) {
    err << "regforge-cli: " << what << '\n' << usage();
    return kExitUsage;
}

} // namespace

int run(const std::vector<std::string>& args, const std::filesystem::path& programFolder,
        const std::string& envDataDir, std::ostream& out, std::ostream& err) {
    std::filesystem::path dataDir = envDataDir;
    std::vector<std::string> words;
    std::optional<std::filesystem::path> output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" || a == "--output") {
            if (i + 1 >= args.size())
                return usageError(err, a + " needs a file");
            output = args[++i];
            continue;
        }
        if (a == "--help" || a == "-h") {
            out << help();
            return kExitOk;
        }
        if (a == "--version") {
            out << "regforge-cli " << REGFORGE_VERSION << '\n';
            return kExitOk;
        }
        if (a == "--data-dir") {
            if (i + 1 >= args.size())
                return usageError(err, "--data-dir needs a folder");
            dataDir = args[++i];
        } else if (a.rfind("--data-dir=", 0) == 0) {
            dataDir = a.substr(11);
        } else if (a.size() > 1 && a[0] == '-') {
            return usageError(err, "unknown option '" + a + "'");
        } else {
            words.push_back(a);
        }
    }
    if (words.empty())
        return usageError(err, "no command given");
    const auto folders = io::DataFolders::locate(programFolder, dataDir, io::UserEnvironment::fromProcess());
    const std::string& command = words[0];
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (command == "list") {
        if (!rest.empty())
            return usageError(err, "list takes no arguments");
        if (output)
            return usageError(err, "-o goes with generate");
        return ListCommand(folders).run(out, err);
    }
    if (command == "generate") {
        if (rest.size() != 1)
            return usageError(err, "generate takes one configuration file");
        return GenerateCommand(folders, rest[0], output).run(out, err);
    }
    return usageError(err, "unknown command '" + command + "'");
}

} // namespace regforge::cli
