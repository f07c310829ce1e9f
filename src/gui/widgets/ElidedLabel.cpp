#include "gui/widgets/ElidedLabel.h"

#include <QResizeEvent>

namespace regforge::gui::widgets {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void ElidedLabel::setFullText(const QString& text) {
    full_ = text;
    showFitting();
    updateGeometry();
}

QSize ElidedLabel::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("...")), QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::sizeHint() const {
    return {fontMetrics().horizontalAdvance(full_) + 2 * margin(), QLabel::sizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showFitting();
}

void ElidedLabel::showFitting() {
    const int room = contentsRect().width();
    const QString shown = fontMetrics().elidedText(full_, Qt::ElideRight, room);
    setText(shown);
    setToolTip(shown == full_ ? QString() : full_);
}

} // namespace regforge::gui::widgets
