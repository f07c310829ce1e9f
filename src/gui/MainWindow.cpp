#include "gui/MainWindow.h"

#include "app/KeyCommands.h"
#include "app/MainForm.h"
#include "app/ShellLayout.h"
#include "app/WindowGeometry.h"
#include "gui/binding/Binder.h"
#include "gui/binding/FormBinding.h"
#include "gui/binding/Windows1252.h"
#include "gui/dialogs/PinoutWindow.h"
#include "gui/pages/PageViews.h"
#include "gui/pages/QuickSelectMenu.h"
#include "gui/pages/ShellPanels.h"
#include "gui/widgets/CompactTabStyle.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/NumericLineEdit.h"
#include "gui/widgets/ProblemsPanel.h"
#include "model/Containers.h"
#include "periph/io/IoPage.h"
#include "tools/EditPopup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace regforge::gui {

namespace {
// The window's vertical scroll bar moves this far per arrow click.
constexpr int kScrollBarStep = 51;
constexpr int kWheelNotch = 120;
constexpr int kAboutMargin = 6;
} // namespace

MainWindow::MainWindow(app::MainForm& form, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      form_(form), scroll_(new QScrollArea(this)), content_(new QWidget) {
    scroll_->setObjectName(QStringLiteral("Form1_client"));
    scroll_->setFrameShape(QFrame::NoFrame);
    // The window sizes the client area's content itself: it follows the client area.
    scroll_->setWidgetResizable(false);
    scroll_->verticalScrollBar()->setSingleStep(kScrollBarStep);
    scroll_->viewport()->installEventFilter(this);
    setCentralWidget(scroll_);

    binder_ = std::make_unique<binding::Binder>(form_.store(), this);
    // The core knows which register edits carry the edit popup; the others get the standard
    // edit menu.
    binder_->setPopupLookup([this](model::Control& owner) -> model::Control* {
        return form_.editPopup().carriesPopup(owner) ? form_.store().find("IntegerInputPopup") : nullptr;
    });

    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(4, 4, 4, 4);
    pageControl_ = binder_->widgetAs<QTabWidget>("pagecontrol1");
    column->addWidget(pageControl_);

    pages::arrangeClockBar(*binder_);
    pages::arrangeAboutPanel(*binder_);
    // A page's view is arranged once its widgets exist: the active page's now, every other
    // page's when it is first shown or one of its controls is first asked for.
    pageViews_.resize(pageControlModel().children().size());
    binder_->setContentBound([this](const model::Control& page) { arrangePage(page); });
    pageView(pageControlModel().activePageIndex());
    scroll_->setWidget(content_);

    clockBar_ = binder_->widget("ClockPanel");
    // The about button sits at the right end of the tab row, its panel drops below it; both
    // float over the pages.
    aboutButton_ = binder_->widget("about_button");
    aboutPanel_ = binder_->widget("about_panel");
    for (const char* name : {"about_button", "about_panel"}) {
        QWidget* floating = binder_->widget(name);
        floating->setParent(content_);
        floating->setVisible(form_.store().get<model::Control>(name).visible());
        floating->installEventFilter(this);
    }
    content_->installEventFilter(this);
    // The tab row ends where the about button begins: with more tabs than fit, their scroll
    // buttons stay clear of it.
    auto* corner = new QWidget(pageControl_);
    auto* room = new QHBoxLayout(corner);
    room->setContentsMargins(0, 0, 0, 0);
    room->addSpacing(aboutButton_->sizeHint().width() + 2);
    pageControl_->setCornerWidget(corner, Qt::TopRightCorner);
    // The style belongs to the tab bar and goes with it.
    auto* compact = new widgets::CompactTabStyle();
    compact->setParent(pageControl_->tabBar());
    pageControl_->tabBar()->setStyle(compact);
    // Presses and keys anywhere in the window may close the about panel.
    qApp->installEventFilter(this);
    placeClockBar();

    // The clock bar moves with the page; the core decides afterwards whether it shows.
    pageConnection_ = form_.store()
                          .get<model::PageControl>("pagecontrol1")
                          .viewChanged.connect([this](const model::Control&, model::Aspect aspect, int) {
                              if (aspect == model::Aspect::Value)
                                  placeClockBar();
                          });
    scrollConnection_ = form_.scrollToTop.connect([this] { scroll_->verticalScrollBar()->setValue(0); });
    // One title refresh after the event that changed the set-up, however many controls it touched.
    touchedConnection_ = form_.setupTouched.connect([this] {
        if (titlePending_)
            return;
        titlePending_ = true;
        QTimer::singleShot(0, this, [this] {
            titlePending_ = false;
            form_.refreshTitle();
        });
    });
    quickSelect_ = std::make_unique<pages::QuickSelectMenu>(*binder_, form_.page<periph::io::IoPage>());
    setUpProblems();
    setUpStatusNote();
    setUpCommandKeys();
    setUpMenus();

    static_cast<binding::FormBinding*>(binder_->binding("Form1"))->applyOuterSize();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    form_.scrollToTop.disconnect(scrollConnection_);
    form_.setupTouched.disconnect(touchedConnection_);
    form_.problemsChanged.disconnect(problemsConnection_);
    form_.focusRequested.disconnect(focusConnection_);
    form_.statusNoted.disconnect(noteConnection_);
    form_.undoChanged.disconnect(undoConnection_);
    pinout_.reset();
    quickSelect_.reset();
    form_.store().get<model::PageControl>("pagecontrol1").viewChanged.disconnect(pageConnection_);
    pageViews_.clear();
    binder_.reset();
}

void MainWindow::setUpProblems() {
    problemCount_ = new QPushButton(this);
    problemCount_->setObjectName("ProblemCount");
    problemCount_->setFlat(true);
    statusBar()->addWidget(problemCount_);
    problemsPanel_ = new widgets::ProblemsPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, problemsPanel_);
    problemsPanel_->setFloating(true);
    problemsPanel_->hide();
    connect(problemCount_, &QPushButton::clicked, this,
            [this] { problemsPanel_->setVisible(!problemsPanel_->isVisible()); });
    connect(problemsPanel_, &widgets::ProblemsPanel::problemActivated, this, [this](int index) {
        const auto& problems = form_.problems().problems();
        if (index >= 0 && index < static_cast<int>(problems.size()))
            form_.showProblem(problems[static_cast<std::size_t>(index)]);
    });
    problemsConnection_ = form_.problemsChanged.connect([this] { showProblems(); });
    focusConnection_ = form_.focusRequested.connect([this](model::Control& control) {
        if (QWidget* widget = binder_->widget(control.name()))
            widget->setFocus(Qt::OtherFocusReason);
    });
    showProblems();
}

// Load, save, save as and "Create code" have keys that work from any page; the core runs them
// as their buttons, when those can be pressed.
void MainWindow::setUpCommandKeys() {
    for (const app::CommandKey& key : app::kCommandKeys) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(key.keys)), this);
        shortcut->setObjectName(QStringLiteral("Key_") + QString::fromLatin1(key.keys));
        connect(shortcut, &QShortcut::activated, this,
                [this, command = key.command] { app::runKeyCommand(form_, command); });
    }
}

// The core's notes after an action (the code went to the clipboard) show beside the count for
// the time the core gives them.
void MainWindow::setUpStatusNote() {
    // A note longer than the line ends in an ellipsis, the whole of it in the tool tip.
    statusNote_ = new widgets::ElidedLabel(this);
    statusNote_->setObjectName("StatusNote");
    statusBar()->addWidget(statusNote_, 1);
    noteTimer_ = new QTimer(this);
    noteTimer_->setSingleShot(true);
    connect(noteTimer_, &QTimer::timeout, statusNote_, [this] { statusNote_->setFullText({}); });
    noteConnection_ = form_.statusNoted.connect([this](const app::StatusNote& note) {
        statusNote_->setFullText(binding::fromWindows1252(note.text));
        noteTimer_->start(note.milliseconds);
    });
}

// Undo, redo and the pin-out view are buttons at the right of the status line rather than a
// menu bar, which would take the height the pages were designed to fill.
void MainWindow::setUpMenus() {
    undo_ = new QAction(tr("Undo"), this);
    undo_->setObjectName(QStringLiteral("UndoAction"));
    undo_->setShortcut(QKeySequence::Undo);
    connect(undo_, &QAction::triggered, this, [this] { form_.undo(); });
    redo_ = new QAction(tr("Redo"), this);
    redo_->setObjectName(QStringLiteral("RedoAction"));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redo_, &QAction::triggered, this, [this] { form_.redo(); });
    auto* pinout = new QAction(tr("Pin-out"), this);
    pinout->setObjectName(QStringLiteral("PinoutAction"));
    pinout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(pinout, &QAction::triggered, this, [this] { showPinout(); });
    const auto follow = [this] {
        undo_->setEnabled(form_.canUndo());
        redo_->setEnabled(form_.canRedo());
    };
    undoConnection_ = form_.undoChanged.connect(follow);
    follow();
    // The keys work in the pin-out window too; a focused text field keeps its own undo.
    for (QAction* action : {undo_, redo_, pinout}) {
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setToolTip(action->text() + " (" + action->shortcut().toString(QKeySequence::NativeText) +
                           ")");
        addAction(action);
        // Flat push buttons like the problem count, so the status line keeps its height.
        auto* button = new QPushButton(action->text(), this);
        button->setObjectName(action->objectName() + "Button");
        button->setFlat(true);
        // No wider than the word: the line's room goes to the notes.
        button->setMaximumWidth(button->fontMetrics().horizontalAdvance(button->text()) +
                                button->fontMetrics().height());
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(action->toolTip());
        button->setEnabled(action->isEnabled());
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button,
                [button, action] { button->setEnabled(action->isEnabled()); });
        statusBar()->addPermanentWidget(button);
    }
}

dialogs::PinoutWindow& MainWindow::showPinout() {
    if (!pinout_)
        pinout_ = std::make_unique<dialogs::PinoutWindow>(form_);
    pinout_->refresh();
    pinout_->showBeside(*this);
    return *pinout_;
}

void MainWindow::showProblems() {
    problemCount_->setText(QString::fromStdString(form_.problems().summary()));
    problemsPanel_->showProblems(form_.problems());
}

const model::PageControl& MainWindow::pageControlModel() const {
    return form_.store().get<model::PageControl>("pagecontrol1");
}

pages::PageView* MainWindow::pageView(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= pageViews_.size())
        return nullptr;
    const model::Control& page = *pageControlModel().children()[static_cast<std::size_t>(index)];
    binder_->bindContent(page);
    arrangePage(page);
    return pageViews_[static_cast<std::size_t>(index)].get();
}

void MainWindow::arrangePage(const model::Control& page) {
    const auto& all = pageControlModel().children();
    const auto index = static_cast<std::size_t>(std::find(all.begin(), all.end(), &page) - all.begin());
    if (index >= pageViews_.size() || pageViews_[index])
        return;
    // A page shown already is hidden while it is arranged: shown again, it lays its widgets
    // out and shows them in one go, as at a first show, before anything is painted.
    QWidget* sheet = binder_->widget(page.name());
    const bool shown = sheet != nullptr && sheet->isVisible();
    if (shown)
        sheet->hide();
    pageViews_[index] = pages::makePageView(*binder_, form_.tabs()[index]);
    if (shown)
        sheet->show();
}

void MainWindow::placeClockBar() {
    const pages::PageView* view = pageView(pageControlModel().activePageIndex());
    if (view == nullptr)
        return;
    QBoxLayout* slot = view->clockSlot();
    if (slot->indexOf(clockBar_) >= 0)
        return;
    if (QWidget* oldParent = clockBar_->parentWidget();
        oldParent != nullptr && oldParent->layout() != nullptr)
        oldParent->layout()->removeWidget(clockBar_);
    for (const auto& other : pageViews_)
        if (other)
            other->clockSlot()->removeWidget(clockBar_);
    slot->addWidget(clockBar_);
    // Moving a widget to another parent hides it; the model still says whether it shows.
    clockBar_->setVisible(form_.store().get<model::Control>("ClockPanel").visible());
}

void MainWindow::placeAboutPanel() {
    const QRect pages = pageControl_->geometry();
    const int tabRow = pageControl_->tabBar()->sizeHint().height();
    aboutButton_->resize(aboutButton_->sizeHint().width(),
                         std::min(aboutButton_->sizeHint().height(), tabRow - 4));
    aboutButton_->move(pages.right() - aboutButton_->width() - 1,
                       pages.top() + (tabRow - aboutButton_->height()) / 2);
    aboutButton_->raise();
    if (!aboutPanel_->isVisible())
        return;
    aboutPanel_->adjustSize();
    const int left = pages.right() - aboutPanel_->width() - kAboutMargin;
    aboutPanel_->move(std::max(left, 0), pages.top() + tabRow + kAboutMargin);
    aboutPanel_->raise();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // Now that the window has its frame, its outer size can be made exact; then the core fits it
    // into the screen's free area, centred.
    static_cast<binding::FormBinding*>(binder_->binding("Form1"))->applyOuterSize();
    awaitingFrame_ = frameGeometry().size() == geometry().size();
    // A reparenting window manager reports its frame some time after the window is shown, and
    // not always with a move or resize event: look again for a moment.
    for (const int ms : {50, 150, 400, 1000})
        QTimer::singleShot(ms, this, [this] { adoptLateFrame(); });
    placeOnScreen();
    QTimer::singleShot(0, this, [this] { buildNextPage(); });
}

// Once the window is up, the other pages are built one per turn of the event loop, between
// the window's own events, so a page is ready by the time it is picked.
void MainWindow::buildNextPage() {
    for (std::size_t index = 0; index < pageViews_.size(); ++index) {
        if (pageViews_[index])
            continue;
        pageView(static_cast<int>(index));
        QTimer::singleShot(0, this, [this] { buildNextPage(); });
        return;
    }
}

void MainWindow::placeOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    const QRect free = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const app::ScreenRect place = app::placeOnScreen({frame.width(), frame.height()},
                                                     {free.x(), free.y(), free.width(), free.height()});
    const QSize margins = frame.size() - size();
    resize(place.width - margins.width(), place.height - margins.height());
    move(place.x, place.y);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    adoptLateFrame();
    followClientArea();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    adoptLateFrame();
}

// A window manager that frames the window only after it is shown (X11 reparenting) would
// otherwise add its frame to the restored size, and the window would grow by the frame at
// every start: the size restored and the size written on close are both the outer size.
void MainWindow::adoptLateFrame() {
    if (!awaitingFrame_ || frameGeometry().size() == geometry().size())
        return;
    awaitingFrame_ = false;
    static_cast<binding::FormBinding*>(binder_->binding("Form1"))->applyOuterSize();
    placeOnScreen();
}

void MainWindow::followClientArea() {
    // The page control is as large as the client area, and never smaller than it was designed
    // or than its pages need; below that the client area scrolls.
    const QSize minimum =
        QSize(app::kPageControlWidth, app::kPageControlHeight).expandedTo(content_->minimumSizeHint());
    const QSize client = scroll_->viewport()->size();
    const app::ClientSize size =
        app::pageControlSize({client.width(), client.height()}, {minimum.width(), minimum.height()});
    if (content_->size() != QSize(size.width, size.height))
        content_->resize(size.width, size.height);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!form_.FormCloseQuery()) {
        event->ignore();
        return;
    }
    // The outer size, the measure the start-up restores.
    const QRect frame = frameGeometry();
    form_.store().get<model::Form>("Form1").setSize(frame.width(), frame.height());
    form_.FormClose();
    // The pin-out window belongs to this one and goes with it.
    if (pinout_)
        pinout_->close();
    event->accept();
}

void MainWindow::scrollByWheel(int notches) {
    QScrollBar* bar = scroll_->verticalScrollBar();
    int position = bar->value();
    for (; notches > 0; --notches)
        position = app::wheelUp(position);
    for (; notches < 0; ++notches)
        position = app::wheelDown(position, content_->height(), scroll_->viewport()->height());
    bar->setValue(position);
}

// Escape and a press outside the about panel (its button toggles it itself) go to the core,
// which closes the panel.
bool MainWindow::aboutPanelDismissed(QObject* watched, const QEvent* event) {
    if (aboutPanel_ == nullptr || !aboutPanel_->isVisible())
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        return static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape && widget != nullptr &&
               widget->window() == this && form_.closeAboutPanel();
    }
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this)
        return false;
    for (const QWidget* own : {aboutPanel_, aboutButton_})
        if (widget == own || own->isAncestorOf(widget))
            return false;
    form_.closeAboutPanel();
    // The press still reaches the control under it.
    return false;
}

// Return and Enter press the focused button of this window, as the space bar does.
bool MainWindow::buttonPressedByEnter(QObject* watched, const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr || button->window() != this || !button->isEnabled() ||
        (qobject_cast<QPushButton*>(button) == nullptr && qobject_cast<QToolButton*>(button) == nullptr))
        return false;
    button->click();
    return true;
}

// Up and Down on a register edit of this window go to the core first, which steps the value.
bool MainWindow::stepKeyUsed(QObject* watched, const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    const auto* field = qobject_cast<const widgets::NumericLineEdit*>(watched);
    if (field == nullptr || field->window() != this)
        return false;
    return form_.FormKeyDown(&field->model(), key == Qt::Key_Up ? tools::StepKey::Up : tools::StepKey::Down);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (aboutPanelDismissed(watched, event) || stepKeyUsed(watched, event) ||
        buttonPressedByEnter(watched, event))
        return true;
    if (watched == scroll_->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        wheelRemainder_ += wheel->angleDelta().y();
        const int notches = wheelRemainder_ / kWheelNotch;
        wheelRemainder_ -= notches * kWheelNotch;
        scrollByWheel(notches);
        return true;
    }
    if ((watched == scroll_->viewport() && event->type() == QEvent::Resize) ||
        (watched == content_ && event->type() == QEvent::LayoutRequest))
        followClientArea();
    if (((watched == aboutPanel_ || watched == aboutButton_) && event->type() == QEvent::Show) ||
        (watched == content_ && event->type() == QEvent::Resize))
        placeAboutPanel();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace regforge::gui
