#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QScrollArea;

namespace regforge::gui::dialogs {

// `Form2`: a window that shows one picture at its own size (the device pin-out, the SPI clock
// modes). The pin-out window can be rolled up to a slim bar and down again, so it can stay
// open beside the main window while the user works there.
class PictureWindow : public QDialog {
    Q_OBJECT

public:
    PictureWindow(const QPixmap& picture, const QString& caption, bool rollButton, QWidget* parent = nullptr);

    bool rolledUp() const;
    // "ROLL UP/DOWN": hides the picture, or shows it again at its full size.
    void toggleRoll();

private:
    QLabel* image_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    // The window's size with the picture shown and rolled up to the bar.
    QSize unrolled_;
    QSize rolled_;
};

} // namespace regforge::gui::dialogs
