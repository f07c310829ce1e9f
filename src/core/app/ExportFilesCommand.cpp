#include "app/ExportFilesCommand.h"

#include "app/ConfigurationCommands.h"
#include "app/MainForm.h"
#include "config/SettingsFile.h"
#include "output/FileExport.h"

namespace regforge::app {

namespace fs = std::filesystem;
using ui::Buttons;
using ui::Icon;

std::string ExportFilesCommand::configurationKey() const {
    const fs::path& file = form_.configuration().currentFile();
    if (file.empty())
        return {};
    std::error_code ec;
    const fs::path full = fs::absolute(file, ec);
    const std::string key = ec ? file.string() : full.string();
    // The settings file holds one path per line.
    return key.find_first_of("\r\n") == std::string::npos ? key : std::string();
}

fs::path ExportFilesCommand::startFolder() const {
    if (const std::string key = configurationKey(); !key.empty()) {
        try {
            if (const auto folder = config::SettingsFile(form_.dataFolders()).readExportFolder(key))
                return *folder;
        } catch (const regforge::Error&) {
            // An unreadable settings file only loses the remembered folder.
        }
    }
    return lastFolder_;
}

void ExportFilesCommand::rememberFolder(const fs::path& folder) {
    lastFolder_ = folder;
    const std::string key = configurationKey();
    const std::string text = folder.string();
    if (key.empty() || text.find_first_of("\r\n") != std::string::npos)
        return;
    try {
        config::SettingsFile(form_.dataFolders()).writeExportFolder(key, text);
    } catch (const regforge::Error&) {
        // The export itself succeeded; only the next dialog's start is lost.
    }
}

bool ExportFilesCommand::ExportFilesButtonClick() {
    const CodeResult result = form_.createFiles(form_.compiler());
    if (result.status == CodeResult::Status::NoDevice || result.status == CodeResult::Status::NoPins) {
        form_.ui().message("Error", "There are no files to export: load a device first.", Icon::Error,
                           Buttons::Ok);
        return false;
    }
    if (result.status == CodeResult::Status::GeneratorFailed) {
        form_.ui().message("Error", "The code could not be created: " + result.message, Icon::Error,
                           Buttons::Ok);
        return false;
    }
    ui::FileRequest request;
    request.title = "Export regforge_setup.c and regforge_setup.h to folder";
    request.start = startFolder();
    request.folder = true;
    const auto folder = form_.ui().openFile(request);
    if (!folder)
        return false;
    try {
        const auto written = output::exportFiles(*folder, result.files);
        rememberFolder(*folder);
        std::string text = written.empty() ? "The files in \"" + folder->string() + "\" are up to date."
                                           : "Written to \"" + folder->string() + "\":";
        for (const auto& name : written)
            text += "\n" + name;
        form_.ui().message("Export files", text, Icon::Information, Buttons::Ok);
        return true;
    } catch (const io::FileError& e) {
        form_.ui().message("Error", std::string("The files could not be exported: ") + e.what(), Icon::Error,
                           Buttons::Ok);
        return false;
    }
}

} // namespace regforge::app
