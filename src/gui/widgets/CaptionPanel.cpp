#include "gui/widgets/CaptionPanel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace regforge::gui::widgets {

namespace {
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
} // namespace

CaptionPanel::CaptionPanel(QWidget* parent) : QFrame(parent) {}

void CaptionPanel::setPadding(int padding) {
    padding_ = std::max(padding, 0);
    updateGeometry();
    update();
}

void CaptionPanel::setCaption(const QString& caption) {
    if (caption_ == caption)
        return;
    caption_ = caption;
    updateGeometry();
    update();
}

QSize CaptionPanel::sizeHint() const {
    QSize hint = QFrame::sizeHint();
    if (!caption_.isEmpty()) {
        const QSize text = fontMetrics().size(0, caption_);
        hint = hint.expandedTo(text + QSize(2 * (padding_ + frameWidth()), 2 * (padding_ + frameWidth())));
    }
    return hint;
}

QSize CaptionPanel::minimumSizeHint() const {
    if (layout() != nullptr || caption_.isEmpty())
        return QFrame::minimumSizeHint();
    return sizeHint();
}

void CaptionPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect area = contentsRect().adjusted(padding_, padding_, -padding_, -padding_);
    painter.drawText(area, kTextFlags, caption_);
}

} // namespace regforge::gui::widgets
