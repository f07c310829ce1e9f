#include "gui/widgets/PinIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace regforge::gui::widgets {

namespace {

using Slot = std::optional<PinGlyph>;
using G = PinGlyph;

// The state icons of the pin tree, by state value; 0 shows no icon.
constexpr std::array<Slot, 16> kImageList1 = {
    std::nullopt,     G::CheckBoxEmpty, G::CheckBoxTicked, G::RadioEmpty, G::RadioFilled, G::ArrowDownGreen,
    G::ArrowUpRed,    G::Exclamation,   G::Ring,           G::Disc0,      G::Disc1,       G::ArrowDownBlue,
    G::ArrowUpOrange, G::RadioGrey,     G::CheckBoxGrey,   G::Disc2,
};

// Pull-mode icons by image value (code + 1). PINSEL devices number the codes
// pull-up, repeater, none, pull-down; IOCON devices none, pull-down, pull-up, repeater.
constexpr std::array<Slot, 5> kImageList2 = {std::nullopt, G::PullUp, G::Repeater, G::NoResistor,
                                             G::PullDown};
constexpr std::array<Slot, 5> kImageList4 = {std::nullopt, G::NoResistor, G::PullDown, G::PullUp,
                                             G::Repeater};

// The GPIO interrupt tree: trigger states 1..4 (off, falling, both, rising), then the edge and
// level icons at 5 and 6.
constexpr std::array<Slot, 7> kImageList3 = {
    std::nullopt, G::TriggerOff, G::ArrowDownBlue, G::TriggerBoth, G::ArrowUpOrange, G::LetterE, G::LetterL};

template <std::size_t N>
Slot at(const std::array<Slot, N>& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? list[static_cast<std::size_t>(index)]
                                                             : std::nullopt;
}

// Everything is drawn on a 16 x 16 grid; strokes of odd width sit on half units so they land
// on whole pixels at the plain 16-pixel size.
constexpr qreal kGrid = 16.0;

const QColor kOutline(0x5f, 0x63, 0x68);
const QColor kBoxFill(0xff, 0xff, 0xff);
const QColor kMark(0x1a, 0x56, 0xb0);
const QColor kGreyFill(0xe4, 0xe4, 0xe4);
const QColor kGreyLine(0xa6, 0xa6, 0xa6);
const QColor kLead(0x45, 0x45, 0x45);
const QColor kSupply(0xd0, 0x2b, 0x20);
const QColor kGround(0x1a, 0x56, 0xb0);

QPen pen(const QColor& colour, qreal width) {
    QPen p(colour, width);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void checkBox(QPainter& p, const QColor& fill, const QColor& line, const QColor* tick) {
    p.setPen(pen(line, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 1.5, 1.5);
    if (tick == nullptr)
        return;
    QPainterPath mark;
    mark.moveTo(4.6, 8.2);
    mark.lineTo(6.9, 10.6);
    mark.lineTo(11.4, 5.4);
    p.setPen(pen(*tick, 1.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
}

void radio(QPainter& p, const QColor& fill, const QColor& line, const QColor* dot) {
    p.setPen(pen(line, 1.0));
    p.setBrush(fill);
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
    if (dot == nullptr)
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(*dot);
    p.drawEllipse(QPointF(8, 8), 2.9, 2.9);
}

// A block arrow along the whole height, pointing down or up.
void arrow(QPainter& p, const QColor& fill, bool down) {
    QPainterPath path;
    path.moveTo(6.2, 1.5);
    path.lineTo(9.8, 1.5);
    path.lineTo(9.8, 7.5);
    path.lineTo(13.5, 7.5);
    path.lineTo(8.0, 14.5);
    path.lineTo(2.5, 7.5);
    path.lineTo(6.2, 7.5);
    path.closeSubpath();
    if (!down)
        path = QTransform(1, 0, 0, -1, 0, kGrid).map(path);
    p.setPen(pen(fill.darker(150), 1.0));
    p.setBrush(fill);
    p.drawPath(path);
}

void exclamation(QPainter& p) {
    const QColor red(0xd3, 0x2f, 0x2f);
    p.setPen(pen(red.darker(140), 0.8));
    p.setBrush(red);
    QPainterPath bar;
    bar.moveTo(6.1, 2.0);
    bar.lineTo(9.9, 2.0);
    bar.lineTo(9.0, 10.4);
    bar.lineTo(7.0, 10.4);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(8, 13.1), 1.75, 1.75);
}

void ring(QPainter& p) {
    const std::array<QColor, 4> colours = {QColor(0xe5, 0x39, 0x35), QColor(0xf9, 0xa8, 0x25),
                                           QColor(0x43, 0xa0, 0x47), QColor(0x1e, 0x88, 0xe5)};
    const QRectF circle(3.0, 3.0, 10.0, 10.0);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        QPen arc(colours[i], 3.2);
        arc.setCapStyle(Qt::FlatCap);
        p.setPen(arc);
        p.drawArc(circle, static_cast<int>(90 * 16 * i), 90 * 16);
    }
}

void disc(QPainter& p, const char* digit) {
    const QColor fill(0x3d, 0x5a, 0x80);
    p.setPen(pen(fill.darker(130), 1.0));
    p.setBrush(fill);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    QFont font;
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 13, 13.5), Qt::AlignCenter, QString::fromLatin1(digit));
}

// A resistor standing upright between y = 4.5 and y = 10.5, with its leads to `top` and
// `bottom`.
void resistor(QPainter& p, qreal top, qreal bottom, const QColor& body, const QColor& line) {
    p.setPen(pen(line, 1.0));
    p.drawLine(QPointF(8, top), QPointF(8, 4.5));
    p.drawLine(QPointF(8, 10.5), QPointF(8, bottom));
    p.setBrush(body);
    p.drawRect(QRectF(4.5, 4.5, 7, 6));
}

void supplyBar(QPainter& p) {
    p.setPen(pen(kSupply, 2.0));
    p.drawLine(QPointF(3, 1.5), QPointF(13, 1.5));
}

void ground(QPainter& p) {
    p.setPen(pen(kGround, 1.2));
    p.drawLine(QPointF(3, 12.5), QPointF(13, 12.5));
    p.drawLine(QPointF(5.5, 14.6), QPointF(10.5, 14.6));
}

// Two half-width arrows side by side: falling and rising.
void bothArrows(QPainter& p) {
    p.save();
    p.scale(0.55, 1.0);
    arrow(p, QColor(0x1e, 0x88, 0xe5), true);
    p.translate(kGrid * 0.82, 0);
    arrow(p, QColor(0xf5, 0x7c, 0x00), false);
    p.restore();
}

void paintOnGrid(QPainter& p, PinGlyph glyph) {
    switch (glyph) {
    case G::CheckBoxEmpty:
        return checkBox(p, kBoxFill, kOutline, nullptr);
    case G::CheckBoxTicked:
        return checkBox(p, kBoxFill, kOutline, &kMark);
    case G::CheckBoxGrey:
        return checkBox(p, kGreyFill, kGreyLine, &kGreyLine);
    case G::RadioEmpty:
        return radio(p, kBoxFill, kOutline, nullptr);
    case G::RadioFilled:
        return radio(p, kBoxFill, kOutline, &kMark);
    case G::RadioGrey:
        return radio(p, kGreyFill, kGreyLine, nullptr);
    case G::ArrowDownGreen:
        return arrow(p, QColor(0x2e, 0xa0, 0x43), true);
    case G::ArrowUpRed:
        return arrow(p, QColor(0xd9, 0x30, 0x25), false);
    case G::ArrowDownBlue:
        return arrow(p, QColor(0x2f, 0x6f, 0xd6), true);
    case G::ArrowUpOrange:
        return arrow(p, QColor(0xf2, 0x8c, 0x0f), false);
    case G::Exclamation:
        return exclamation(p);
    case G::Ring:
        return ring(p);
    case G::Disc0:
        return disc(p, "0");
    case G::Disc1:
        return disc(p, "1");
    case G::Disc2:
        return disc(p, "2");
    case G::PullUp:
        supplyBar(p);
        return resistor(p, 2.5, 15, QColor(0xf6, 0xc4, 0xbf), kLead);
    case G::PullDown:
        resistor(p, 1, 12.5, QColor(0xc4, 0xd8, 0xf4), kLead);
        return ground(p);
    case G::Repeater:
        // Pulls towards either rail, whichever the pin was last driven to.
        supplyBar(p);
        resistor(p, 2.5, 12.5, QColor(0xdc, 0xc8, 0xf0), kLead);
        return ground(p);
    case G::NoResistor:
        resistor(p, 1, 15, kGreyFill, kGreyLine);
        p.setPen(pen(kSupply, 1.6));
        p.drawLine(QPointF(3.5, 12.5), QPointF(12.5, 3.5));
        return;
    case G::TriggerOff:
        p.setPen(pen(kGreyLine, 1.4));
        p.setBrush(kGreyFill);
        p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
        p.drawLine(QPointF(4.5, 11.5), QPointF(11.5, 4.5));
        return;
    case G::TriggerBoth:
        return bothArrows(p);
    case G::LetterE:
        return disc(p, "E");
    case G::LetterL:
        return disc(p, "L");
    }
}

} // namespace

std::optional<PinGlyph> glyphInList(std::string_view list, int index) {
    if (list == "ImageList1")
        return at(kImageList1, index);
    if (list == "ImageList2")
        return at(kImageList2, index);
    if (list == "ImageList4")
        return at(kImageList4, index);
    if (list == "ImageList3")
        return at(kImageList3, index);
    return std::nullopt;
}

void paintGlyph(QPainter& painter, const QRectF& box, PinGlyph glyph) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / kGrid, box.height() / kGrid);
    paintOnGrid(painter, glyph);
    painter.restore();
}

const QPixmap& glyphPixmap(PinGlyph glyph, int size, qreal devicePixelRatio) {
    static QHash<quint64, QPixmap> cache;
    const auto ratio = static_cast<quint64>(std::lround(devicePixelRatio * 100));
    const quint64 key = (static_cast<quint64>(glyph) << 40) | (static_cast<quint64>(size) << 20) | ratio;
    auto it = cache.find(key);
    if (it == cache.end()) {
        const int pixels = static_cast<int>(std::ceil(size * devicePixelRatio));
        QPixmap pixmap(pixels, pixels);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paintGlyph(painter, QRectF(0, 0, pixels, pixels), glyph);
        }
        pixmap.setDevicePixelRatio(devicePixelRatio);
        it = cache.insert(key, pixmap);
    }
    return *it;
}

} // namespace regforge::gui::widgets
