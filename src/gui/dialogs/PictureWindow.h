#pragma once

#include <QDialog>
#include <QPixmap>

namespace regforge::gui::dialogs {

// A window that shows one picture at its own size (the device pin-out, the SPI clock modes).
class PictureWindow : public QDialog {
    Q_OBJECT

public:
    PictureWindow(const QPixmap& picture, const QString& caption, QWidget* parent = nullptr);
};

} // namespace regforge::gui::dialogs
