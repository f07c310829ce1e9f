#include "gui/widgets/PinoutView.h"

#include "periph/io/PinoutModel.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace regforge::gui::widgets {

using periph::io::PinoutPin;
using periph::io::PinPlace;
using periph::io::PinUse;

namespace {

QColor colourOf(PinUse use) {
    return QColor::fromRgb(static_cast<QRgb>(periph::io::pinUseColour(use)));
}

// Light fills carry black text, dark ones white.
QColor textOn(const QColor& fill) {
    return fill.lightness() > 150 ? Qt::black : Qt::white;
}

QString tipOf(const PinoutPin& pin) {
    if (pin.name.empty())
        return QStringLiteral("pin %1 &nbsp; not listed<br>%2")
            .arg(QString::fromStdString(pin.number), QString::fromUtf8(periph::io::pinUseText(pin.use)));
    QString tip =
        QStringLiteral("<b>%1</b> &nbsp; pin %2")
            .arg(QString::fromStdString(pin.name).toHtmlEscaped(), QString::fromStdString(pin.number));
    if (pin.node >= 0) {
        QStringList functions;
        for (std::size_t j = 0; j < pin.functions.size(); ++j) {
            QString f = QString::fromStdString(pin.functions[j]).toHtmlEscaped();
            functions << (static_cast<int>(j) == pin.choice ? "<b>" + f + "</b>" : f);
        }
        tip += "<br>Functions: " + functions.join(", ");
        tip += "<br>Chosen: " +
               (pin.choice >= 0 ? QString::fromStdString(pin.functions[static_cast<std::size_t>(pin.choice)])
                                : QStringLiteral("none"));
    }
    tip += "<br>" + QString::fromUtf8(periph::io::pinUseText(pin.use));
    if (!pin.problem.empty())
        tip += "<br><span style='color:#B03000'>" +
               QString::fromStdString(pin.problem).toHtmlEscaped().replace("\n", "<br>") + "</span>";
    return tip;
}

} // namespace

PinoutView::PinoutView(periph::io::PinoutModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setObjectName(QStringLiteral("PinoutView"));
}

QSize PinoutView::sizeHint() const {
    const int em = fontMetrics().height();
    return QSize(em * 38, em * 38).expandedTo(readableSize());
}

QSize PinoutView::minimumSizeHint() const {
    const int em = fontMetrics().height();
    return QSize(em * 20, em * 20).expandedTo(readableSize());
}

// The smallest square in which every pin keeps a pitch its number and name can be read at (a
// 208-pin package needs far more room than a 48-pin one); place() lays out the same way.
QSize PinoutView::readableSize() const {
    const auto& package = model_.package();
    const auto& pins = model_.pins();
    if (!package || pins.empty())
        return {};
    const QFontMetrics metrics = fontMetrics();
    if (package->outline() == profile::PackagePins::Outline::Grid) {
        int columns = 0;
        std::map<std::string, int> letters;
        for (const auto& pin : pins) {
            const auto digit = pin.number.find_first_of("0123456789");
            letters.emplace(pin.number.substr(0, digit), 0);
            columns = std::max(columns, std::atoi(pin.number.c_str() + digit));
        }
        const int rows = static_cast<int>(letters.size());
        const int cell = metrics.horizontalAdvance(QStringLiteral("M00")) + 4;
        const int side = cell * (std::max(rows, columns) + 1) + 8;
        return {side, side};
    }
    const int perSide = static_cast<int>((pins.size() + 3) / 4);
    const int pitch = metrics.height() * 3 / 5 + 2;
    const int pinLength = std::max(14, metrics.horizontalAdvance(QStringLiteral("000")) + 4);
    const int around = perSide * pitch + 2 * pinLength;
    // place() gives each label a sixth of the side, or the width of "P0.00" if that is more.
    const int label = metrics.horizontalAdvance(QStringLiteral("P0.00")) + 6;
    const int side = std::max(around * 3 / 2, around + 2 * label) + 8;
    return {side, side};
}

void PinoutView::modelChanged() {
    updateGeometry();
    place();
    update();
}

void PinoutView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

QRect PinoutView::pinRect(std::size_t index) const {
    return index < placed_.size() ? placed_[index].box : QRect();
}

void PinoutView::place() {
    placed_.clear();
    const auto& package = model_.package();
    const auto& pins = model_.pins();
    if (!package || pins.empty())
        return;
    // A square outline, centred in the view.
    const QRect inner = rect().adjusted(4, 4, -4, -4);
    const int square = std::min(inner.width(), inner.height());
    const QRect area(inner.left() + (inner.width() - square) / 2, inner.top() + (inner.height() - square) / 2,
                     square, square);
    const int span = std::max(1, model_.span());
    if (package->outline() == profile::PackagePins::Outline::Grid) {
        const int cell = std::max(8, square / (span + 1));
        body_ = QRect(area.left(), area.top(), cell * (span + 1), cell * (span + 1));
        for (const auto& pin : pins) {
            const QRect box(body_.left() + cell / 2 + pin.place.along * cell + 1,
                            body_.top() + cell / 2 + pin.place.row * cell + 1, cell - 2, cell - 2);
            placed_.push_back({box, QRect(), PinPlace::kGrid});
        }
        return;
    }
    // Four sides numbered round from pin 1 at the top of the left side, as the data sheets draw
    // the package from above.
    const int label = std::max(fontMetrics().horizontalAdvance(QStringLiteral("P0.00")) + 6, square / 6);
    const int pinLength = std::max(14, fontMetrics().horizontalAdvance(QStringLiteral("000")) + 4);
    const int bodySide = square - 2 * (label + pinLength);
    body_ = QRect(area.left() + label + pinLength, area.top() + label + pinLength, bodySide, bodySide);
    const double pitch = static_cast<double>(bodySide) / span;
    const int width = std::max(3, static_cast<int>(pitch) - 2);
    for (const auto& pin : pins) {
        const int along = static_cast<int>(std::lround(pin.place.along * pitch + (pitch - width) / 2));
        Placed p;
        p.side = pin.place.side;
        switch (p.side) {
        case 0: // left, top to bottom
            p.box = QRect(body_.left() - pinLength, body_.top() + along, pinLength, width);
            p.label = QRect(p.box.left() - label, p.box.top(), label - 2, width);
            break;
        case 1: // bottom, left to right
            p.box = QRect(body_.left() + along, body_.bottom() + 1, width, pinLength);
            p.label = QRect(p.box.left(), p.box.bottom() + 2, width, label - 2);
            break;
        case 2: // right, bottom to top
            p.box = QRect(body_.right() + 1, body_.bottom() - along - width, pinLength, width);
            p.label = QRect(p.box.right() + 2, p.box.top(), label - 2, width);
            break;
        default: // top, right to left
            p.box = QRect(body_.right() - along - width, body_.top() - pinLength, width, pinLength);
            p.label = QRect(p.box.left(), p.box.top() - label, width, label - 2);
            break;
        }
        placed_.push_back(p);
    }
}

void PinoutView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const auto& package = model_.package();
    const auto& pins = model_.pins();
    if (!package || placed_.size() != pins.size())
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    const bool grid = package->outline() == profile::PackagePins::Outline::Grid;
    painter.setPen(QPen(palette().text().color(), 1));
    painter.setBrush(palette().window());
    painter.drawRect(body_);
    painter.drawText(body_, Qt::AlignCenter,
                     grid ? QString() : QString::fromStdString(package->package) + "\n" + windowTitle());
    if (!grid) {
        // The pin 1 mark.
        const int dot = std::max(4, body_.width() / 30);
        painter.setBrush(palette().text());
        painter.drawEllipse(QRect(body_.left() + dot, body_.top() + dot, dot, dot));
    }
    // The numbers and names fit the pin pitch: a small window draws them smaller.
    QFont small = font();
    const int pitch = grid ? placed_.front().box.height()
                           : std::min(placed_.front().box.width(), placed_.front().box.height());
    small.setPixelSize(std::max(5, std::min(QFontMetrics(font()).height() * 3 / 4, pitch)));
    painter.setFont(small);
    // The keyboard's pin: a ring round it and its name on the selection colour.
    const int marked = hasFocus() ? model_.focused() : -1;
    for (std::size_t i = 0; i < pins.size(); ++i) {
        const Placed& p = placed_[i];
        const bool mark = static_cast<int>(i) == marked;
        const QColor fill = colourOf(pins[i].use);
        if (mark) {
            painter.setPen(QPen(palette().highlight().color(), 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(p.box.adjusted(-3, -3, 3, 3));
        }
        painter.setPen(QPen(palette().text().color(), 1));
        painter.setBrush(fill);
        if (grid)
            painter.drawEllipse(p.box);
        else
            painter.drawRect(p.box);
        painter.setPen(textOn(fill));
        const QString number = QString::fromStdString(pins[i].number);
        if (p.side == 1 || p.side == 3) {
            painter.save();
            painter.translate(p.box.center());
            painter.rotate(-90);
            painter.drawText(QRect(-p.box.height() / 2, -p.box.width() / 2, p.box.height(), p.box.width()),
                             Qt::AlignCenter, number);
            painter.restore();
        } else {
            painter.drawText(p.box, Qt::AlignCenter, number);
        }
        if (grid)
            continue;
        painter.setPen(mark ? palette().highlightedText().color() : palette().text().color());
        const QString name = QString::fromStdString(pins[i].name);
        // The marked name sits on the selection colour, as far as its words reach.
        const auto drawName = [&](const QRect& room, int flags) {
            if (mark && !name.isEmpty())
                painter.fillRect(painter.fontMetrics().boundingRect(room, flags, name).adjusted(-2, 0, 2, 0),
                                 palette().highlight());
            painter.drawText(room, flags, name);
        };
        if (p.side == 0 || p.side == 2) {
            drawName(p.label, (p.side == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        } else {
            painter.save();
            painter.translate(p.label.center());
            painter.rotate(-90);
            drawName(QRect(-p.label.height() / 2, -p.label.width() / 2, p.label.height(), p.label.width()),
                     (p.side == 1 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            painter.restore();
        }
    }
}

int PinoutView::pinAt(const QPoint& point) const {
    for (std::size_t i = 0; i < placed_.size(); ++i)
        if (placed_[i].box.adjusted(-1, -1, 1, 1).contains(point) || placed_[i].label.contains(point))
            return static_cast<int>(i);
    return -1;
}

bool PinoutView::event(QEvent* event) {
    // Tab and Shift+Tab go from pin to pin and leave the view after the last one.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && useKey(*key))
            return true;
    }
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = pinAt(help->pos());
        if (index >= 0)
            QToolTip::showText(help->globalPos(), tipOf(model_.pins()[static_cast<std::size_t>(index)]), this,
                               placed_[static_cast<std::size_t>(index)].box);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void PinoutView::mousePressEvent(QMouseEvent* event) {
    const int index = pinAt(event->position().toPoint());
    if (index < 0)
        return;
    model_.setFocused(index);
    update();
    offerFunctions(static_cast<std::size_t>(index), event->globalPosition().toPoint());
}

bool PinoutView::useKey(const QKeyEvent& event) {
    // The keypad's Enter is the same key as Return.
    const QKeyCombination chord(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key()));
    const QString keys = QKeySequence(chord).toString(QKeySequence::PortableText);
    for (const char* menuKey : periph::io::kPinoutMenuKeys)
        if (keys == QLatin1String(menuKey)) {
            offerFocused();
            return true;
        }
    for (const periph::io::PinoutKey& key : periph::io::kPinoutKeys)
        if (keys == QLatin1String(key.keys)) {
            if (!model_.moveFocus(key.move))
                return false;
            focusMoved();
            return true;
        }
    return false;
}

void PinoutView::keyPressEvent(QKeyEvent* event) {
    if (useKey(*event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void PinoutView::contextMenuEvent(QContextMenuEvent* event) {
    // The right button's menu opens on the press; the keyboard's on the marked pin.
    if (event->reason() == QContextMenuEvent::Keyboard)
        offerFocused();
}

void PinoutView::offerFocused() {
    model_.enterFocus();
    if (model_.focused() < 0)
        return;
    const auto index = static_cast<std::size_t>(model_.focused());
    // The menu opens beside the marked pin, which stays in sight; the pin's tip would cover it.
    QToolTip::hideText();
    update();
    offerFunctions(index, mapToGlobal(pinRect(index).bottomRight() + QPoint(2, 2)));
}

void PinoutView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    model_.enterFocus();
    update();
}

void PinoutView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void PinoutView::focusMoved() {
    update();
    const int index = model_.focused();
    if (index < 0 || static_cast<std::size_t>(index) >= placed_.size())
        return;
    const QRect box = placed_[static_cast<std::size_t>(index)].box;
    QToolTip::showText(mapToGlobal(box.bottomRight() + QPoint(4, 4)),
                       tipOf(model_.pins()[static_cast<std::size_t>(index)]), this, box);
}

void PinoutView::offerFunctions(std::size_t index, const QPoint& at) {
    const PinoutPin& pin = model_.pins()[index];
    if (pin.node < 0)
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PinoutMenu"));
    menu.addSection(QString::fromStdString(pin.name + "  (pin " + pin.number + ")"));
    for (std::size_t j = 0; j < pin.functions.size(); ++j) {
        QAction* action = menu.addAction(QString::fromStdString(pin.functions[j]));
        action->setCheckable(true);
        action->setChecked(static_cast<int>(j) == pin.choice);
        action->setEnabled(pin.choosable[j]);
        action->setData(static_cast<int>(j));
    }
    QAction* direction = nullptr;
    if (pin.gpio() &&
        (pin.use == PinUse::GpioIn || pin.use == PinUse::GpioOut || pin.use == PinUse::Unused)) {
        menu.addSeparator();
        direction =
            menu.addAction(pin.use == PinUse::GpioOut ? tr("Make it an input") : tr("Make it an output"));
    }
    QAction* chosen = menu.exec(at);
    if (chosen == nullptr)
        return;
    const bool changed = chosen == direction
                             ? model_.toggleDirection(index)
                             : model_.choose(index, static_cast<std::size_t>(chosen->data().toInt()));
    if (changed)
        Q_EMIT pinChanged();
}

} // namespace regforge::gui::widgets
