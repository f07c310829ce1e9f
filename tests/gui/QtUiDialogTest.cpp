#include "gui/QtUi.h"
#include "gui/binding/Windows1252.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

TEST(QtUi, FileFiltersTakeTheirPatternsFromAfterTheBar) {
    EXPECT_EQ(nameFiltersFrom("Saved configuration (*.sav)|*.sav|All files (*.*)|*.*"),
              (QStringList{"Saved configuration (*.sav)", "All files (*)"}));
    EXPECT_EQ(nameFiltersFrom("Replace lists|*.ini;*.txt"), (QStringList{"Replace lists (*.ini *.txt)"}));
    EXPECT_TRUE(nameFiltersFrom("").isEmpty());
}

TEST(QtUi, Windows1252TextSurvivesTheRoundTrip) {
    std::string every;
    for (int byte = 0; byte < 256; ++byte)
        every.push_back(static_cast<char>(byte));
    EXPECT_EQ(binding::toWindows1252(binding::fromWindows1252(every)), every);
    EXPECT_EQ(binding::fromWindows1252("\x80\xB5\xE9"), QString::fromUtf8("€µé"));
    EXPECT_EQ(binding::toWindows1252(QString::fromUtf8("5 µs → 😀")), "5 \xB5s ? ?");
}

// Acts on the next modal dialog once it is up, as the user would.
void whenDialogOpens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, qApp, [act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

void pressEscape(QWidget* dialog) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog, &escape);
}

TEST(QtUiDialogs, EscapeGivesTheCautiousAnswer) {
    QtUi ui;
    whenDialogOpens(pressEscape);
    EXPECT_EQ(ui.message("Apply settings?", "Apply?", ui::Icon::Question, ui::Buttons::YesNo),
              ui::Answer::No);
    whenDialogOpens(pressEscape);
    EXPECT_EQ(ui.message("Replace", "Go on?", ui::Icon::Warning, ui::Buttons::OkCancel), ui::Answer::Cancel);
    whenDialogOpens(pressEscape);
    EXPECT_EQ(ui.message("Done", "Saved.", ui::Icon::Information, ui::Buttons::Ok), ui::Answer::Ok);
}

TEST(QtUiDialogs, InputComesBackAsCodePageBytesAndCancelKeepsTheDefault) {
    QtUi ui;
    whenDialogOpens([](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        input->setTextValue(QString::fromUtf8("5 µs"));
        input->accept();
    });
    EXPECT_EQ(ui.inputQuery("Period", "Wanted period", "1 ms"), std::optional<std::string>("5 \xB5s"));

    whenDialogOpens([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(ui.inputQuery("Period", "Wanted period", "1 ms"), std::nullopt);

    whenDialogOpens([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(ui.inputBox("Please insert the decimal number", "0 to 65535", "0"), "0");
}

TEST(QtUiDialogs, SaveDialogAddsTheDefaultExtension) {
    testing::TempDir folder;
    QtUi ui;
    whenDialogOpens([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->windowTitle(), "Save configuration");
        EXPECT_EQ(files->nameFilters(), QStringList{"Saved configuration (*.sav)"});
        files->selectFile(QString::fromStdString((folder.path() / "board").string()));
        static_cast<QDialog*>(files)->accept(); // as the Save button does
    });
    const auto path = ui.saveFile(
        {"Save configuration", "Saved configuration (*.sav)|*.sav", ".sav", folder.path(), true, false});
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(path->filename(), "board.sav");
}

TEST(QtUiDialogs, TerminateEndsTheProgramOnceTheLoopRuns) {
    QtUi ui;
    ui.terminate();
    EXPECT_EQ(QApplication::exec(), 1);
}

// A missing picture and a file that is no picture get the same message, and no window stays.
TEST(QtUiDialogs, MissingOrBrokenPictureSaysSoAndOpensNoWindow) {
    testing::TempDir dir;
    const auto broken = dir.path() / "LPC0000.jpg";
    {
        std::ofstream out(broken, std::ios::binary);
        out << "\xFF\xD8 not really a JPEG";
    }
    QtUi ui;
    for (const auto& path : {dir.path() / "missing.jpg", broken}) {
        QString caption;
        QString text;
        whenDialogOpens([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(dialog))
                text = box->text();
            pressEscape(dialog);
        });
        ui.showPicture(path, "Pinout", false, true);
        EXPECT_EQ(caption, "Can't open image");
        EXPECT_EQ(text, "The image is missing or can't be opened.");
        const auto windows = QApplication::topLevelWidgets();
        EXPECT_FALSE(std::any_of(windows.begin(), windows.end(), [](const QWidget* w) {
            return w->objectName() == "Form2" && w->isVisible();
        }));
    }
}

} // namespace
} // namespace regforge::gui
