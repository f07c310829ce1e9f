#include "cli/ReplaceCommand.h"

#include "cli/CliUi.h"
#include "cli/CommandLine.h"
#include "cli/StoredReplaceList.h"
#include "output/ReplaceInFile.h"

#include <ostream>

namespace regforge::cli {

std::string_view ReplaceCommand::description() const {
    return "Applies the replace list LIST (DIR/replace/LIST.ini; LIST is a name, not a path) to FILE, as\n"
           "the desktop program's \"Process external file\" does: every find text of the list, in list\n"
           "order, is replaced in the whole file, and nothing else in it changes (line breaks, other\n"
           "bytes). The original is kept as FILE.bak, or when that exists (an earlier run's backup) as\n"
           "the first free FILE.1.bak, FILE.2.bak, ...: no backup is ever overwritten. The new content\n"
           "replaces FILE only once it is written whole, so a failure leaves FILE as it was. A FILE the\n"
           "user may not write (a read-only file) is refused unless --force is given. Lines of the list\n"
           "that are no pair or repeat a find text are skipped with a warning.\n";
}

int ReplaceCommand::run(const Invocation& invocation, std::ostream& /*out*/, std::ostream& err) const {
    CliUi ui(err);
    const auto pairs = loadStoredReplaceList(invocation.folders, invocation.operands.at(0), ui, err);
    if (!pairs)
        return kExitFailed;
    const std::filesystem::path file = invocation.operands.at(1);
    try {
        output::replaceInFile(file, *pairs, {.force = invocation.has("-f")});
    } catch (const regforge::Error& e) {
        err << "regforge-cli: error: " << file.string() << " was not changed: " << e.what() << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace regforge::cli
