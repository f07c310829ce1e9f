#include "gui/widgets/ClearTextAction.h"

#include <QAction>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

namespace regforge::gui::widgets {

namespace {

// A grey disc with a white cross, at the edit's device pixel ratio so it stays sharp at scale 2.
QIcon clearIcon(const QLineEdit& edit) {
    const int side = 16;
    const qreal ratio = edit.devicePixelRatioF();
    QPixmap pixmap(static_cast<int>(side * ratio), static_cast<int>(side * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(edit.palette().color(QPalette::PlaceholderText));
    painter.drawEllipse(QRectF(2, 2, side - 4, side - 4));
    painter.setPen(QPen(edit.palette().color(QPalette::Base), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5.5, 5.5), QPointF(side - 5.5, side - 5.5));
    painter.drawLine(QPointF(side - 5.5, 5.5), QPointF(5.5, side - 5.5));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

void addClearTextAction(QLineEdit& edit) {
    QAction* clear = edit.addAction(clearIcon(edit), QLineEdit::TrailingPosition);
    clear->setToolTip(QObject::tr("Clear"));
    clear->setVisible(!edit.text().isEmpty());
    QObject::connect(&edit, &QLineEdit::textChanged, clear,
                     [clear](const QString& text) { clear->setVisible(!text.isEmpty()); });
    QObject::connect(clear, &QAction::triggered, &edit, [&edit] {
        if (edit.text().isEmpty())
            return;
        edit.clear();
        Q_EMIT edit.textEdited(QString());
    });
}

} // namespace regforge::gui::widgets
