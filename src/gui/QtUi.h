#pragma once

#include "ui/Ui.h"

#include <QPointer>
#include <QString>
#include <QStringList>

namespace regforge::gui {

namespace dialogs {
class PictureWindow;
}

// The core's modal requests as Qt dialogs. Texts cross here from the core's Windows-1252
// bytes to Qt's strings and back; paths use the file system's own encoding.
class QtUi : public ui::Ui {
public:
    QtUi();
    ~QtUi() override;

    ui::Answer message(const std::string& caption, const std::string& text, ui::Icon icon,
                       ui::Buttons buttons) override;
    std::optional<std::filesystem::path> openFile(const ui::FileRequest& request) override;
    std::optional<std::filesystem::path> saveFile(const ui::FileRequest& request) override;
    std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                          const std::string& value) override;
    std::string inputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultValue) override;
    void setClipboard(const std::string& text) override;
    bool runCalculator(tools::Calculator& calculator) override;
    void showPicture(const std::filesystem::path& path, const std::string& caption, bool modal,
                     bool rollButton) override;
    void terminate() override;

private:
    std::optional<std::filesystem::path> askForFile(const ui::FileRequest& request, bool save);

    QPointer<dialogs::PictureWindow> picture_;
};

// "Saved configurations (*.sav)|*.sav|All files (*.*)|*.*" as Qt's name filters
// ("Saved configurations (*.sav)", "All files (*)"). The patterns after each "|" rule.
QStringList nameFiltersFrom(const std::string& filter);

} // namespace regforge::gui
