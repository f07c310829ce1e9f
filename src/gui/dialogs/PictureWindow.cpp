#include "gui/dialogs/PictureWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace regforge::gui::dialogs {

namespace {

// A picture larger than this share of the screen scrolls inside the window.
constexpr double kMostOfTheScreen = 0.9;

} // namespace

PictureWindow::PictureWindow(const QPixmap& picture, const QString& caption, bool rollButton, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    // A single border with the system menu; only the pin-out window can be minimised.
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (rollButton)
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    int barHeight = 0;
    if (rollButton) {
        auto* bar = new QHBoxLayout;
        bar->setContentsMargins(4, 2, 4, 2);
        auto* roll = new QToolButton(this);
        roll->setObjectName(QStringLiteral("JvCaptionButton1"));
        roll->setText(tr("ROLL UP/DOWN"));
        roll->setAutoRaise(true);
        connect(roll, &QToolButton::clicked, this, &PictureWindow::toggleRoll);
        bar->addStretch();
        bar->addWidget(roll);
        layout->addLayout(bar);
        barHeight = roll->sizeHint().height() + 4;
    }
    image_ = new QLabel;
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setPixmap(picture);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(image_);
    layout->addWidget(scroll_);

    // The window takes the picture's size, up to most of the screen it opens on.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    const int scrollBar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int mostWidth = static_cast<int>(available.width() * kMostOfTheScreen);
    const int mostHeight = static_cast<int>(available.height() * kMostOfTheScreen) - barHeight;
    const bool scrollsDown = picture.height() > mostHeight;
    const bool scrollsAcross = picture.width() > mostWidth;
    const int width = std::min(picture.width() + (scrollsDown ? scrollBar : 0), mostWidth);
    const int height = std::min(picture.height() + (scrollsAcross ? scrollBar : 0), mostHeight);
    unrolled_ = QSize(width, barHeight + height);
    rolled_ = QSize(width, barHeight);
    setFixedSize(unrolled_);
    move(available.center() - rect().center());
}

bool PictureWindow::rolledUp() const {
    return scroll_->isHidden();
}

void PictureWindow::toggleRoll() {
    const bool rollUp = !rolledUp();
    scroll_->setVisible(!rollUp);
    setFixedSize(rollUp ? rolled_ : unrolled_);
}

} // namespace regforge::gui::dialogs
