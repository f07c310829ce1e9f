#include "cli/CheckCommand.h"

#include "app/ProblemReport.h"
#include "cli/CommandLine.h"
#include "cli/DataFolder.h"
#include "cli/FormsAtExit.h"
#include "cli/SavedConfiguration.h"
#include "io/NameText.h"

#include <ostream>

namespace regforge::cli {

std::string_view CheckCommand::description() const {
    return "Loads the saved configuration (its device profile from DIR/include) as \"Load configuration\"\n"
           "does and prints the problems list the desktop program shows for it, page by page, one line\n"
           "each: \"CONFIG.sav: error: what is wrong [page]; how to fix it\". Exit 1 when there is an error\n"
           "(or, with --warnings-as-errors, a warning), 0 otherwise; 2 for bad arguments. --format json\n"
           "prints one JSON document instead.\n";
}

int CheckCommand::run(const Invocation& invocation, std::ostream& out, std::ostream& err) const {
    const std::string* format = invocation.option("-F");
    if (format != nullptr && *format != "text" && *format != "json") {
        err << "regforge-cli: error: unknown format " << io::quotedName(*format)
            << " (text or json)\nusage: regforge-cli check CONFIG.sav [--warnings-as-errors] [--format "
               "text|json]\n";
        return kExitUsage;
    }
    if (!namedDataFolderUsable(invocation, err))
        return kExitFailed;
    CliUi ui(err);
    auto form = loadSavedConfiguration(invocation, ui, err);
    const FormAtExit atExit(form);
    if (!form)
        return kExitFailed;
    const periph::ProblemList problems = form->collectProblems();
    const std::string& file = invocation.operands.at(0);
    out << (format != nullptr && *format == "json" ? app::problemJson(problems, file)
                                                   : app::problemText(problems, file));
    const bool failed = problems.count(periph::Severity::Error) > 0 ||
                        (invocation.has("-W") && problems.count(periph::Severity::Warning) > 0);
    return failed ? kExitFailed : kExitOk;
}

} // namespace regforge::cli
