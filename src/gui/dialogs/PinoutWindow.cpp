#include "gui/dialogs/PinoutWindow.h"

#include "app/MainForm.h"
#include "gui/widgets/PinoutView.h"
#include "periph/io/IoPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace regforge::gui::dialogs {

namespace {
constexpr int kGap = 8;

// The drawing's room: it asks for the drawing's own size, and scrolls when the window is smaller
// than the size at which the drawing stays readable.
class DrawingArea : public QScrollArea {
public:
    explicit DrawingArea(QWidget* parent) : QScrollArea(parent) {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
    }
    QSize sizeHint() const override {
        return widget() != nullptr ? widget()->sizeHint() : QScrollArea::sizeHint();
    }
    QSize minimumSizeHint() const override {
        const int em = fontMetrics().height();
        return {em * 20, em * 20};
    }
};

// Four entries to a row, each swatch right beside its words; the room left over goes to the
// right of the last column, so a wide window does not pull words away from their colours.
QWidget* legend(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(box->fontMetrics().height());
    constexpr int kPerRow = 4;
    int entry = 0;
    for (periph::io::PinUse use : periph::io::kPinUses) {
        auto* swatch = new QLabel(box);
        const int size = swatch->fontMetrics().height() - 2;
        QPixmap colour(size, size);
        colour.fill(QColor::fromRgb(static_cast<QRgb>(periph::io::pinUseColour(use))));
        // Outlined as the pins are, so a colour close to the window's still shows.
        QPainter outline(&colour);
        outline.setPen(swatch->palette().color(QPalette::WindowText));
        outline.drawRect(0, 0, size - 1, size - 1);
        outline.end();
        swatch->setPixmap(colour);
        auto* pair = new QHBoxLayout;
        pair->setSpacing(4);
        pair->addWidget(swatch);
        pair->addWidget(new QLabel(QString::fromUtf8(periph::io::pinUseText(use)), box));
        grid->addLayout(pair, entry / kPerRow, entry % kPerRow, Qt::AlignLeft);
        ++entry;
    }
    grid->setColumnStretch(kPerRow, 1);
    return box;
}
} // namespace

PinoutWindow::PinoutWindow(app::MainForm& form) : QWidget(nullptr, Qt::Window), form_(form) {
    setObjectName(QStringLiteral("PinoutWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto& model = form_.page<periph::io::IoPage>().pinout();
    area_ = new DrawingArea(this);
    view_ = new widgets::PinoutView(model, area_);
    area_->setWidget(view_);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("PinoutNote"));
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignCenter);
    auto* column = new QVBoxLayout(this);
    column->addWidget(area_, 1);
    column->addWidget(note_, 1);
    column->addWidget(legend(this));
    // A choice from the view is a user's event like a click in the tree: the title, the problems
    // and the undo history settle once it is over.
    connect(view_, &widgets::PinoutView::pinChanged, this, [this] { form_.refreshTitle(); });
    problemsConnection_ = form_.problemsChanged.connect([this] { refresh(); });
    refresh();
}

PinoutWindow::~PinoutWindow() {
    form_.problemsChanged.disconnect(problemsConnection_);
}

void PinoutWindow::refresh() {
    auto& model = form_.page<periph::io::IoPage>().pinout();
    model.refresh(form_.problems());
    const auto& device = form_.device();
    setWindowTitle(device.loaded() ? QString::fromStdString(device.deviceName) + tr(" pin-out")
                                   : tr("Pin-out"));
    view_->setWindowTitle(QString::fromStdString(device.deviceName));
    const bool drawn = model.package().has_value() && !model.pins().empty();
    area_->setVisible(drawn);
    note_->setVisible(!drawn);
    if (!device.loaded())
        note_->setText(tr("Load a device to see its pin-out."));
    else if (!drawn)
        note_->setText(tr("The profile of %1 numbers no package pins, so its package cannot be drawn. "
                          "The pin tree on the I/O page sets every pin.")
                           .arg(QString::fromStdString(device.deviceName)));
    view_->modelChanged();
}

void PinoutWindow::showBeside(const QWidget& main) {
    const QRect frame = main.frameGeometry();
    const QScreen* screen = main.screen();
    const QRect free = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    QSize size = sizeHint().expandedTo(QSize(480, 520));
    // Never larger than the screen: a large package scrolls inside the window.
    size = size.boundedTo(free.size() - QSize(2 * kGap, 2 * kGap));
    // Beside the main window on the side with more room, narrowed to that room when it holds at
    // least the smallest useful drawing; with no such room, where the most of it shows (a normal
    // window: a click on the main one brings that to the front).
    const int right = free.right() - frame.right() - kGap;
    const int left = frame.left() - kGap - free.left();
    const int least = minimumSizeHint().width();
    QPoint at;
    if (std::max(right, left) >= least) {
        size.setWidth(std::min(size.width(), std::max(right, left)));
        at = QPoint(right >= left ? frame.right() + kGap : frame.left() - kGap - size.width(), frame.top());
    } else {
        at = QPoint(std::max(free.left(), free.right() - size.width()), frame.top());
    }
    at.setY(std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() - size.height())));
    resize(size);
    move(at);
    show();
    raise();
    // Opened from the keyboard (Ctrl+P), it takes the keyboard: the pins are one arrow away.
    activateWindow();
    view_->setFocus(Qt::ActiveWindowFocusReason);
}

void PinoutWindow::keyPressEvent(QKeyEvent* event) {
    // Escape gives the keyboard back to the main window, as closing a tool window does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace regforge::gui::dialogs
