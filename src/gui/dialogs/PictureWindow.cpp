#include "gui/dialogs/PictureWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace regforge::gui::dialogs {

PictureWindow::PictureWindow(const QPixmap& picture, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture);
    layout->addWidget(image);
}

} // namespace regforge::gui::dialogs
