#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

class QLabel;
class QAction;
class QPushButton;
class QTimer;
class QScrollArea;
class QTabWidget;

namespace regforge::app {
class MainForm;
}

namespace regforge::model {
class Control;
class PageControl;
} // namespace regforge::model

namespace regforge::gui {

namespace binding {
class Binder;
class FormBinding;
} // namespace binding

namespace widgets {
class ElidedLabel;
class ProblemsPanel;
} // namespace widgets
namespace dialogs {
class PinoutWindow;
}
namespace pages {
class PageView;
class QuickSelectMenu;
} // namespace pages

// The main window "Form1": the page control in a scrolled client area, the page views, the
// clock bar that follows the active page and the about panel. Size, scroll and close rules
// come from the core.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(app::MainForm& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    binding::Binder& binder() { return *binder_; }
    QScrollArea* clientArea() const { return scroll_; }
    // The live pin-out window, opened beside this one (made on first use).
    dialogs::PinoutWindow& showPinout();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const model::PageControl& pageControlModel() const;
    // The view of the page at `index`, its widgets bound and arranged first if need be.
    pages::PageView* pageView(int index);
    void arrangePage(const model::Control& page);
    void buildNextPage();
    void placeClockBar();
    void placeAboutPanel();
    void followClientArea();
    void adoptLateFrame();
    // The core's placement: the whole frame inside the screen's free area, centred.
    void placeOnScreen();
    void scrollByWheel(int notches);
    // The status line's count and the problems panel follow the core's list.
    void setUpProblems();
    // Edit: undo and redo, enabled as the core's history allows; View: the live pin-out.
    void setUpMenus();
    void showProblems();
    void setUpStatusNote();
    void setUpCommandKeys();
    bool aboutPanelDismissed(QObject* watched, const QEvent* event);
    bool stepKeyUsed(QObject* watched, const QEvent* event);
    bool buttonPressedByEnter(QObject* watched, const QEvent* event);

    app::MainForm& form_;
    QScrollArea* scroll_;
    QWidget* content_;
    QTabWidget* pageControl_ = nullptr;
    QWidget* clockBar_ = nullptr;
    QWidget* aboutButton_ = nullptr;
    QWidget* aboutPanel_ = nullptr;
    std::unique_ptr<binding::Binder> binder_;
    std::vector<std::unique_ptr<pages::PageView>> pageViews_;
    int pageConnection_ = 0;
    int scrollConnection_ = 0;
    int touchedConnection_ = 0;
    int problemsConnection_ = 0;
    int focusConnection_ = 0;
    int noteConnection_ = 0;
    widgets::ElidedLabel* statusNote_ = nullptr;
    QTimer* noteTimer_ = nullptr;
    int undoConnection_ = 0;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    std::unique_ptr<dialogs::PinoutWindow> pinout_;
    QPushButton* problemCount_ = nullptr;
    widgets::ProblemsPanel* problemsPanel_ = nullptr;
    bool titlePending_ = false;
    std::unique_ptr<pages::QuickSelectMenu> quickSelect_;
    int wheelRemainder_ = 0;
    bool shownOnce_ = false;
    // Shown before the window manager framed the window: the outer size still has to be made
    // exact once the frame is known.
    bool awaitingFrame_ = false;
};

} // namespace regforge::gui
