#include "cli/GenerateFiles.h"

#include "cli/CommandLine.h"
#include "io/NameText.h"
#include "output/FileExport.h"

#include <ostream>

namespace regforge::cli {

namespace fs = std::filesystem;

output::Compiler chosenCompiler(const Invocation& invocation, output::Compiler configured) {
    const std::string* name = invocation.option("-c");
    const auto named = name ? output::compilerNamed(*name) : std::nullopt;
    return named.value_or(configured);
}

int checkFilesOptions(const Invocation& invocation, std::ostream& err) {
    const std::string* compiler = invocation.option("-c");
    if (!invocation.has("-F")) {
        if (compiler == nullptr)
            return kExitOk;
        err << "regforge-cli: error: --compiler applies to --files only (the pasted code keeps its own "
               "syntax)\nusage: regforge-cli generate CONFIG.sav --files DIR [--compiler keil|gcc]\n";
        return kExitUsage;
    }
    if (invocation.has("-o")) {
        err << "regforge-cli: error: --files and -o exclude each other\nusage: regforge-cli generate "
               "CONFIG.sav --files DIR [--compiler keil|gcc] [--verify]\n";
        return kExitUsage;
    }
    if (compiler != nullptr && !output::compilerNamed(*compiler)) {
        err << "regforge-cli: error: unknown compiler " << io::quotedName(*compiler)
            << " (keil or gcc)\nusage: regforge-cli generate CONFIG.sav --files DIR [--compiler keil|gcc]\n";
        return kExitUsage;
    }
    // The drift check reports a missing folder as missing files; a write needs the folder.
    const fs::path folder = *invocation.option("-F");
    std::error_code ec;
    if (!invocation.has("-V") && !fs::is_directory(folder, ec)) {
        err << "regforge-cli: error: " << io::quotedName(folder.string())
            << (fs::exists(folder, ec) ? " is not a folder" : " does not exist")
            << ": the files go into a folder\n";
        return kExitFailed;
    }
    return kExitOk;
}

int writeFiles(const Invocation& invocation, const std::vector<output::GeneratedFile>& files,
               std::ostream& err) {
    const fs::path folder = *invocation.option("-F");
    try {
        if (invocation.has("-V")) {
            const std::string drift = output::filesDrift(folder, files);
            if (drift.empty())
                return kExitOk;
            err << drift << "regforge-cli: " << io::quotedName(folder.string())
                << " differs from the files the configuration gives\n";
            return kExitFailed;
        }
        err.flush();
        output::exportFiles(folder, files, {.force = invocation.has("-f")});
    } catch (const io::FileError& e) {
        err << "regforge-cli: error: " << e.what() << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace regforge::cli
