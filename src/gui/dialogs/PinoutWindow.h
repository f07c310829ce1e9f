#pragma once

#include <QWidget>

class QKeyEvent;
class QLabel;
class QScrollArea;

namespace regforge::app {
class MainForm;
}

namespace regforge::gui::widgets {
class PinoutView;
}

namespace regforge::gui::dialogs {

// The live pin-out: a window of its own beside the main window (never above it), showing the
// loaded device's package with a legend, or a note when the profile numbers no package pins.
// It follows every change of the set-up.
class PinoutWindow : public QWidget {
    Q_OBJECT

public:
    explicit PinoutWindow(app::MainForm& form);
    ~PinoutWindow() override;

    // The set-up or the device changed.
    void refresh();
    // Shows the window beside `main`, on the side with room for it.
    void showBeside(const QWidget& main);
    widgets::PinoutView& view() { return *view_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    app::MainForm& form_;
    QScrollArea* area_ = nullptr;
    widgets::PinoutView* view_ = nullptr;
    QLabel* note_ = nullptr;
    int problemsConnection_ = 0;
};

} // namespace regforge::gui::dialogs
