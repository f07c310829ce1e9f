#include "cli/GenerateCommand.h"

#include "app/ConfigurationCommands.h"
#include "app/MainForm.h"
#include "cli/CliUi.h"
#include "cli/CommandLine.h"
#include "cli/DataFolder.h"
#include "cli/StoredReplaceList.h"
#include "io/NameText.h"
#include "io/TextFile.h"

#include <ostream>

namespace regforge::cli {

std::string_view GenerateCommand::description() const {
    return "Loads the saved configuration (its device profile from DIR/include) and prints the C code\n"
           "the desktop program's \"Create code\" button makes of it, with the replace list applied when\n"
           "the configuration switches it on. With --replace LIST the stored list DIR/replace/LIST.ini is\n"
           "applied instead, whatever the configuration says about its own list; the configuration file\n"
           "is not changed. Nothing is written when the configuration, its profile or\n"
           "the code generation fails; the reason goes to standard error. A FILE the user may not\n"
           "write (a read-only file) is refused unless --force is given.\n";
}

int GenerateCommand::run(const Invocation& invocation, std::ostream& out, std::ostream& err) const {
    if (!namedDataFolderUsable(invocation, err))
        return kExitFailed;
    CliUi ui(err);
    // A list named on the command line is checked before anything is loaded.
    std::optional<std::vector<output::ReplacePair>> replaceList;
    if (const std::string* list = invocation.option("-r")) {
        replaceList = loadStoredReplaceList(invocation.folders, *list, ui, err);
        if (!replaceList)
            return kExitFailed;
    }
    app::MainForm form(ui, invocation.folders);
    form.setRestoresWindowSize(false);
    form.setTriesLoadsFirst(false);
    form.setTracksChanges(false);
    form.FormCreate();
    if (ui.failed())
        return kExitFailed;
    form.configuration().setRemembersLastLoaded(false);

    const std::filesystem::path config = invocation.operands.at(0);
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(config, ec);
    const auto outcome = form.configuration().loadConfiguration(ec ? config : absolute);
    if (ui.failed() || outcome != config::LoadOutcome::Loaded) {
        if (!ui.failed())
            err << "regforge-cli: error: the configuration " << io::quotedName(config.string())
                << " was not applied\n";
        return kExitFailed;
    }

    const app::CodeResult result = form.createCode(replaceList);
    switch (result.status) {
    case app::CodeResult::Status::Created:
        break;
    case app::CodeResult::Status::NoDevice:
        err << "regforge-cli: error: no device is loaded, so no code was generated\n";
        return kExitFailed;
    case app::CodeResult::Status::NoPins:
        err << "regforge-cli: error: the device has no pins, so no code was generated\n";
        return kExitFailed;
    case app::CodeResult::Status::GeneratorFailed:
        err << "regforge-cli: error: The code could not be created: " << result.message << '\n';
        return kExitFailed;
    }

    const std::string text = io::joinLines(result.lines, io::LineEnding::Lf);
    const std::string* output = invocation.option("-o");
    if (output == nullptr) {
        out << text;
        return kExitOk;
    }
    // Writing the code over its own configuration would lose the configuration.
    if (std::filesystem::equivalent(config, *output, ec)) {
        err << "regforge-cli: error: the output file " << io::quotedName(*output)
            << " is the configuration itself\n";
        return kExitFailed;
    }
    // Warnings so far go out before the code, which may go to standard error itself.
    err.flush();
    try {
        io::writeBytes(*output, text, {.force = invocation.has("-f")});
    } catch (const io::FileError& e) {
        err << "regforge-cli: error: " << e.what() << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace regforge::cli
