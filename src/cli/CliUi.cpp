#include "cli/CliUi.h"

#include <ostream>

namespace regforge::cli {

namespace {
const char* levelOf(app::Icon icon) {
    switch (icon) {
    case app::Icon::Error:
        return "error";
    case app::Icon::Warning:
        return "warning";
    default:
        return "note";
    }
}

// Message texts use line breaks for the window; on a terminal each line gets the prefix.
void printIndented(std::ostream& err, const std::string& text) {
    for (char c : text) {
        err << c;
        if (c == '\n')
            err << "  ";
    }
}
} // namespace

app::Answer CliUi::message(const std::string& caption, const std::string& text, app::Icon icon,
                           app::Buttons buttons) {
    const app::Answer yes = buttons == app::Buttons::YesNo ? app::Answer::Yes : app::Answer::Ok;
    if (buttons != app::Buttons::Ok) {
        // A question is answered with its default; only a doubtful one (a damaged line the
        // load offers to skip) is worth a line on stderr.
        if (icon == app::Icon::Error) {
            err_ << "regforge-cli: warning: " << caption << ": ";
            printIndented(err_, text);
            err_ << " (skipped)\n";
        }
        return yes;
    }
    err_ << "regforge-cli: " << levelOf(icon) << ": " << caption << ": ";
    printIndented(err_, text);
    err_ << '\n';
    if (icon == app::Icon::Error) {
        failed_ = true;
        errors_.push_back(caption + ": " + text);
    }
    return yes;
}

} // namespace regforge::cli
