#include "cli/GenerateCommand.h"

#include "app/ConfigurationCommands.h"
#include "app/MainForm.h"
#include "cli/CliUi.h"
#include "cli/CommandLine.h"
#include "cli/DataFolder.h"
#include "cli/FormsAtExit.h"
#include "cli/GenerateFiles.h"
#include "cli/SavedConfiguration.h"
#include "cli/StoredReplaceList.h"
#include "io/NameText.h"
#include "io/TextFile.h"
#include "output/UnifiedDiff.h"

#include <ostream>

namespace regforge::cli {

namespace {

// The drift check: FILE against the code -o would write now. A FILE that cannot be read (a
// missing one) differs from any code.
int verify(const std::string& file, const std::string& code, std::ostream& err) {
    std::string current;
    std::error_code ec;
    const bool exists = std::filesystem::exists(file, ec);
    if (exists) {
        try {
            current = io::readBytes(file);
        } catch (const io::FileError& e) {
            err << "regforge-cli: error: " << e.what() << '\n';
            return kExitFailed;
        }
    }
    if (exists && current == code)
        return kExitOk;
    err << output::unifiedDiff(current, code, exists ? file : "/dev/null", file + " (generated)");
    err << "regforge-cli: " << io::quotedName(file)
        << (exists ? " differs from the code the configuration gives\n" : " does not exist\n");
    return kExitFailed;
}

} // namespace

std::string_view GenerateCommand::description() const {
    return "Loads the saved configuration (its device profile from DIR/include) and prints the C code\n"
           "the desktop program's \"Create code\" button makes of it, with the replace list applied when\n"
           "the configuration switches it on. With --replace LIST the stored list DIR/replace/LIST.ini is\n"
           "applied instead, whatever the configuration says about its own list; the configuration file\n"
           "is not changed. Nothing is written when the configuration, its profile or\n"
           "the code generation fails; the reason goes to standard error. A FILE the user may not\n"
           "write (a read-only file) is refused unless --force is given. With --verify nothing is written:\n"
           "the command exits 1 with a unified diff on standard error when FILE differs from what -o FILE\n"
           "would write now (a missing FILE differs), 0 when it is the same.\n"
           "With --files DIR the code goes into the two files a build compiles instead of being pasted:\n"
           "DIR/regforge_setup.h and DIR/regforge_setup.c, whose regforge_setup() does what the pasted\n"
           "main does before its endless loop and whose interrupt handlers call weak hooks\n"
           "(regforge_on_TIMER0) the user's own files define. A file whose text is unchanged is not\n"
           "written, so it keeps its time stamp. --compiler keil|gcc chooses how the handlers and weak\n"
           "defaults are spelled; without it the configuration's own choice counts (Keil unless it was\n"
           "saved with GCC). DIR must be an existing folder. With --files DIR\n"
           "--verify nothing is written: the command exits 1 with a diff when DIR holds anything else\n"
           "than those two texts, 0 when it holds exactly them.\n";
}

int GenerateCommand::run(const Invocation& invocation, std::ostream& out, std::ostream& err) const {
    if (invocation.has("-V") && !invocation.has("-o") && !invocation.has("-F")) {
        err << "regforge-cli: error: --verify needs -o FILE or --files DIR\nusage: regforge-cli generate "
               "CONFIG.sav -o FILE "
               "--verify\n";
        return kExitUsage;
    }
    if (const int usable = checkFilesOptions(invocation, err); usable != kExitOk)
        return usable;
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
    auto form = loadSavedConfiguration(invocation, ui, err);
    const FormAtExit atExit(form);
    if (!form)
        return kExitFailed;
    const std::filesystem::path config = invocation.operands.at(0);
    std::error_code ec;

    const bool asFiles = invocation.has("-F");
    const app::CodeResult result =
        asFiles ? form->createFiles(chosenCompiler(invocation, form->compiler()), replaceList)
                : form->createCode(replaceList);
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

    if (asFiles)
        return writeFiles(invocation, result.files, err);
    const std::string text = io::joinLines(result.lines, io::LineEnding::Lf);
    const std::string* output = invocation.option("-o");
    if (output == nullptr) {
        out << text;
        return kExitOk;
    }
    if (invocation.has("-V"))
        return verify(*output, text, err);
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
