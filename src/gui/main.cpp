#include "app/MainForm.h"
#include "gui/MainWindow.h"
#include "gui/QtUi.h"

#include <QApplication>
#include <QFile>
#include <cstdlib>
#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Regforge"));

    // The program folder holds include/ and replace/; REGFORGE_DATA_DIR points elsewhere.
    const QByteArray dataDir = qgetenv("REGFORGE_DATA_DIR");
    const std::filesystem::path programFolder =
        dataDir.isEmpty()
            ? std::filesystem::path(QFile::encodeName(QApplication::applicationDirPath()).toStdString())
            : std::filesystem::path(dataDir.toStdString());

    regforge::gui::QtUi ui;
    regforge::app::MainForm form(ui, programFolder);
    form.FormCreate();
    regforge::gui::MainWindow window(form);
    // A failed start-up has told the user why; the loop then ends at once.
    if (!form.terminateRequested())
        window.show();
    return QApplication::exec();
}
