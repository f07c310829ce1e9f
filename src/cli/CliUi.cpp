#include "cli/CliUi.h"

#include "io/AsciiCase.h"

#include <ostream>

namespace regforge::cli {

namespace {
const char* levelOf(ui::Icon icon) {
    switch (icon) {
    case ui::Icon::Error:
        return "error";
    case ui::Icon::Warning:
        return "warning";
    default:
        return "note";
    }
}

// "Error: ..." after "error: " says the same word twice; a caption that only names the level
// adds nothing on a terminal.
bool captionIsLevel(const std::string& caption, const char* level) {
    return io::equalIgnoringCase(caption, level);
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

ui::Answer CliUi::message(const std::string& caption, const std::string& text, ui::Icon icon,
                          ui::Buttons buttons) {
    // A script never saves interactively: a question about unsaved changes is answered Discard.
    // A question whose default is No is answered No: nobody agreed to what it asks.
    const ui::Answer yes = buttons == ui::Buttons::YesNo               ? ui::Answer::Yes
                           : buttons == ui::Buttons::YesNoDefaultNo    ? ui::Answer::No
                           : buttons == ui::Buttons::SaveDiscardCancel ? ui::Answer::Discard
                                                                       : ui::Answer::Ok;
    if (buttons != ui::Buttons::Ok) {
        // A question is answered with its default; only a doubtful one (a damaged line the
        // load offers to skip) is worth a line on stderr.
        if (icon == ui::Icon::Error) {
            err_ << "regforge-cli: warning: ";
            if (!captionIsLevel(caption, "error") && !captionIsLevel(caption, "warning"))
                err_ << caption << ": ";
            printIndented(err_, text);
            err_ << " (skipped)\n";
            err_.flush();
        }
        return yes;
    }
    err_ << "regforge-cli: " << levelOf(icon) << ": ";
    if (!captionIsLevel(caption, levelOf(icon)))
        err_ << caption << ": ";
    printIndented(err_, text);
    // A whole message goes out at once, before anything else the command prints.
    err_ << '\n';
    err_.flush();
    if (icon == ui::Icon::Error) {
        failed_ = true;
        errors_.push_back(caption + ": " + text);
    }
    return yes;
}

} // namespace regforge::cli
