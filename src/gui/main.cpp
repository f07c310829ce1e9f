#include "app/MainForm.h"
#include "gui/FontWarmUp.h"
#include "gui/MainWindow.h"
#include "gui/QtUi.h"
#include "io/DataFolders.h"

#include <QApplication>
#include <QFile>
#include <cstdlib>
#include <filesystem>

int main(int argc, char* argv[]) {
    regforge::gui::FontWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Regforge"));

    // The data lies beside the program, or in ../share/regforge when installed;
    // REGFORGE_DATA_DIR points elsewhere.
    const std::filesystem::path programFolder =
        QFile::encodeName(QApplication::applicationDirPath()).toStdString();
    const std::filesystem::path dataDir = qgetenv("REGFORGE_DATA_DIR").toStdString();

    regforge::gui::QtUi ui;
    regforge::app::MainForm form(
        ui, regforge::io::DataFolders::locate(programFolder, dataDir,
                                              regforge::io::UserEnvironment::fromProcess()));
    form.FormCreate();
    fonts.finish();
    regforge::gui::MainWindow window(form);
    // A failed start-up has told the user why; the loop then ends at once.
    if (!form.terminateRequested())
        window.show();
    return QApplication::exec();
}
