#include "gui/QtUi.h"

#include "gui/binding/Windows1252.h"
#include "gui/dialogs/CalculatorDialog.h"
#include "gui/dialogs/PictureWindow.h"
#include "tools/Calculator.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

namespace regforge::gui {

using binding::fromWindows1252;
using binding::toWindows1252;

namespace {

QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

QMessageBox::Icon toQtIcon(ui::Icon icon) {
    switch (icon) {
    case ui::Icon::Information:
        return QMessageBox::Information;
    case ui::Icon::Warning:
        return QMessageBox::Warning;
    case ui::Icon::Error:
        return QMessageBox::Critical;
    case ui::Icon::Question:
        return QMessageBox::Question;
    case ui::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// "*.sav;*.txt" -> "*.sav *.txt"; "*.*" means every file.
QString patternsFrom(const QString& patterns) {
    QStringList out;
    for (QString pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        out.append(pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
    }
    return out.join(u' ');
}

} // namespace

QStringList nameFiltersFrom(const std::string& filter) {
    const QStringList parts = fromWindows1252(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // Qt reads the patterns from the parentheses; the ones after "|" are the real ones.
        if (const qsizetype open = description.lastIndexOf(u'('); open > 0 && description.endsWith(u')'))
            description = description.left(open).trimmed();
        filters.append(description + QStringLiteral(" (") + patternsFrom(parts[i + 1]) + u')');
    }
    return filters;
}

QtUi::QtUi() = default;

QtUi::~QtUi() {
    if (!picture_.isNull())
        delete picture_.data();
}

ui::Answer QtUi::message(const std::string& caption, const std::string& text, ui::Icon icon,
                         ui::Buttons buttons) {
    QMessageBox box(toQtIcon(icon), fromWindows1252(caption), fromWindows1252(text), QMessageBox::NoButton,
                    dialogParent());
    box.setTextFormat(Qt::PlainText);
    switch (buttons) {
    case ui::Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case ui::Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case ui::Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case ui::Buttons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case ui::Buttons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return ui::Answer::Ok;
    case QMessageBox::Yes:
        return ui::Answer::Yes;
    case QMessageBox::No:
        return ui::Answer::No;
    case QMessageBox::Save:
        return ui::Answer::Save;
    case QMessageBox::Discard:
        return ui::Answer::Discard;
    default:
        break;
    }
    const bool yesNo = buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoDefaultNo;
    return yesNo ? ui::Answer::No : ui::Answer::Cancel;
}

std::optional<std::filesystem::path> QtUi::askForFile(const ui::FileRequest& request, bool save) {
    QFileDialog dialog(dialogParent(), fromWindows1252(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && request.folder      ? QFileDialog::Directory
                       : !save && request.mustExist ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ShowDirsOnly, !save && request.folder);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    const QStringList filters = nameFiltersFrom(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    QString extension = fromWindows1252(request.defaultExtension);
    if (extension.startsWith(u'.'))
        extension.remove(0, 1);
    if (!extension.isEmpty())
        dialog.setDefaultSuffix(extension);
    if (!request.start.empty()) {
        std::error_code ec;
        if (std::filesystem::is_directory(request.start, ec))
            dialog.setDirectory(fromPath(request.start));
        else
            dialog.selectFile(fromPath(request.start));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return toPath(dialog.selectedFiles().front());
}

std::optional<std::filesystem::path> QtUi::openFile(const ui::FileRequest& request) {
    return askForFile(request, false);
}

std::optional<std::filesystem::path> QtUi::saveFile(const ui::FileRequest& request) {
    return askForFile(request, true);
}

std::optional<std::string> QtUi::inputQuery(const std::string& caption, const std::string& prompt,
                                            const std::string& value) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(dialogParent(), fromWindows1252(caption), fromWindows1252(prompt),
                              QLineEdit::Normal, fromWindows1252(value), &ok);
    if (!ok)
        return std::nullopt;
    return toWindows1252(answer);
}

std::string QtUi::inputBox(const std::string& caption, const std::string& prompt,
                           const std::string& defaultValue) {
    return inputQuery(caption, prompt, defaultValue).value_or(defaultValue);
}

void QtUi::setClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(fromWindows1252(text));
}

bool QtUi::runCalculator(tools::Calculator& calculator) {
    dialogs::CalculatorDialog dialog(calculator, dialogParent());
    dialog.exec();
    return calculator.modalResult() == tools::Calculator::ModalResult::Ok;
}

void QtUi::showPicture(const std::filesystem::path& path, const std::string& caption, bool modal,
                       bool rollButton) {
    // Only one picture window at a time: a new picture replaces the old window, which
    // deletes itself once closed.
    if (!picture_.isNull())
        picture_->close();
    const QPixmap picture(fromPath(path));
    if (picture.isNull()) {
        // Only the view can tell a damaged picture from a good one.
        message("Can't open image", "The image is missing or can't be opened.", ui::Icon::Error,
                ui::Buttons::Ok);
        return;
    }
    picture_ = new dialogs::PictureWindow(picture, fromWindows1252(caption), rollButton, dialogParent());
    if (modal) {
        picture_->exec();
        return;
    }
    picture_->show();
}

void QtUi::terminate() {
    // Runs once the event loop does; before that there is nothing to quit.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
}

} // namespace regforge::gui
