#include "gui/widgets/DrawnIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace regforge::gui::widgets {

namespace {

constexpr int kSide = 16;

// A white mark on a coloured disc, the way message icons look.
void disc(QPainter& painter, QColor colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(1, 1, kSide - 2, kSide - 2));
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
}

void draw(QPainter& painter, DrawnIcon which) {
    painter.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case DrawnIcon::ArrowUp:
    case DrawnIcon::ArrowDown: {
        QPainterPath arrow;
        const bool up = which == DrawnIcon::ArrowUp;
        const qreal tip = up ? 3 : kSide - 3;
        const qreal base = up ? kSide - 4 : 4;
        arrow.moveTo(kSide / 2.0, tip);
        arrow.lineTo(kSide - 2.5, base);
        arrow.lineTo(2.5, base);
        arrow.closeSubpath();
        painter.fillPath(arrow, QColor(0x40, 0x40, 0x40));
        break;
    }
    case DrawnIcon::Error:
        disc(painter, QColor(0xC6, 0x28, 0x28));
        painter.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        painter.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
        break;
    case DrawnIcon::Warning: {
        QPainterPath sign;
        sign.moveTo(kSide / 2.0, 1.5);
        sign.lineTo(kSide - 1, kSide - 2);
        sign.lineTo(1, kSide - 2);
        sign.closeSubpath();
        painter.fillPath(sign, QColor(0xE8, 0xA3, 0x17));
        painter.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(8, 6), QPointF(8, 9.5));
        painter.drawPoint(QPointF(8, 12));
        break;
    }
    case DrawnIcon::Note:
        disc(painter, QColor(0x1E, 0x66, 0xC8));
        painter.drawLine(QPointF(8, 7.5), QPointF(8, 11.5));
        painter.drawPoint(QPointF(8, 4.8));
        break;
    }
}

QPixmap pixmapAt(DrawnIcon which, int ratio) {
    QPixmap pixmap(kSide * ratio, kSide * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter, which);
    painter.end();
    return pixmap;
}

} // namespace

QIcon drawnIcon(DrawnIcon which) {
    QIcon icon;
    icon.addPixmap(pixmapAt(which, 1));
    icon.addPixmap(pixmapAt(which, 2));
    return icon;
}

} // namespace regforge::gui::widgets
