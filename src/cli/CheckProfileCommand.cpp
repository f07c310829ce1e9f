#include "cli/CheckProfileCommand.h"

#include "app/MainForm.h"
#include "app/ProfileRules.h"
#include "cli/CliUi.h"
#include "cli/CommandLine.h"
#include "cli/DataFolder.h"
#include "io/AsciiCase.h"
#include "io/NameText.h"
#include "io/TextFile.h"
#include "model/ComboBox.h"

#include <ostream>
#include <sstream>

namespace regforge::cli {

namespace {

// A message box text on one line.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\n')
            c = ' ';
    return text;
}

// Prints the problems the profile's lines show; false when it has any.
bool printLineProblems(const std::filesystem::path& file, std::ostream& out) {
    profile::Lines lines;
    try {
        lines = io::readLines(file).lines;
    } catch (const io::FileError& e) {
        out << file.string() << ": " << e.what() << '\n';
        return false;
    }
    const auto problems = app::checkProfile(lines);
    for (const auto& problem : problems) {
        out << file.string() << ':';
        if (problem.line > 0)
            out << problem.line << ':';
        out << ' ' << problem.message << '\n';
    }
    return problems.empty();
}

} // namespace

std::string_view CheckProfileCommand::description() const {
    return "Checks a device profile: DEVICE names include/DEVICE.ini of the data folder, an operand ending\n"
           "in .ini (or holding a '/') names the file itself. Every problem is printed on its own line as\n"
           "FILE:LINE: message: unknown or repeated sections, lines the section does not allow, pins\n"
           "without a GPIO or reset function, register bits outside 0..31, pin-select fields that pins\n"
           "write differently, interrupt channels that are no numbers. Then the profile is loaded the way\n"
           "\"Load profile\" loads it, and a failed load is printed as FILE: message.\n"
           "Exit 0 with \"FILE: no problems\" when all is well, 1 when there is any problem.\n";
}

int CheckProfileCommand::run(const Invocation& invocation, std::ostream& out, std::ostream& err) const {
    const std::string& target = invocation.operands.at(0);
    const bool isFile = io::toLowerAscii(target).ends_with(".ini") || target.find('/') != std::string::npos;
    std::ostringstream loadMessages;
    CliUi ui(loadMessages);
    app::MainForm form(ui, invocation.folders);
    form.setRestoresWindowSize(false);
    form.setTriesLoadsFirst(false);
    form.setTracksChanges(false);
    std::filesystem::path file = target;
    bool clean = true;
    bool loaded = false;
    if (isFile) {
        clean = printLineProblems(file, out);
        loaded = form.loadProfileFile(file);
    } else {
        if (!namedDataFolderUsable(invocation, err))
            return kExitFailed;
        form.FormCreate();
        if (ui.failed()) {
            err << loadMessages.str();
            return kExitFailed;
        }
        auto& devices = form.store().get<model::ComboBox>("mcu_ComboBox");
        const int index = devices.indexOf(target);
        if (index < 0) {
            err << "regforge-cli: error: no device profile '" << io::quotedName(target) << "' in "
                << form.dataFolders().subFolders("include").front().string() << '\n';
            return kExitFailed;
        }
        file = form.dataFolders().find("include", target + ".ini");
        clean = printLineProblems(file, out);
        devices.setItemIndex(index);
        loaded = form.LoadProfileBitBtnClick();
    }
    if (!loaded) {
        // The load's message repeats the problems printed above; only its first line is new then.
        for (const auto& message : ui.errors())
            out << file.string() << ": " << oneLine(clean ? message : message.substr(0, message.find('\n')))
                << '\n';
        if (ui.errors().empty())
            out << file.string() << ": the device load failed\n";
        return kExitFailed;
    }
    if (!clean)
        return kExitFailed;
    out << file.string() << ": no problems\n";
    return kExitOk;
}

} // namespace regforge::cli
