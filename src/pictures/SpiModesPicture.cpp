#include "pictures/SpiModesPicture.h"

#include "pictures/Style.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <vector>

namespace regforge::pictures {

namespace {

constexpr int kMargin = 24;
constexpr int kPanelWidth = 520;
constexpr int kPanelHeight = 270;
constexpr int kGap = 24;
constexpr int kLabelWidth = 64;
constexpr int kBits = 8;
constexpr double kSignalHeight = 22.0;
constexpr double kSlant = 4.0;

// The horizontal frame of one diagram: SSEL falls at `start`, each bit lasts `bit`.
struct Timeline {
    double start;
    double bit;
    double end;
    // The clock's two edges within bit i: the leading edge leaves the idle level.
    double leading(int i) const { return start + bit / 4 + i * bit; }
    double trailing(int i) const { return leading(i) + bit / 2; }
};

void drawLevel(QPainter& p, const std::vector<QPointF>& points) {
    QPainterPath path(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    p.drawPath(path);
}

// A level signal that is `high` from x0 to x1 with changes at `changes`.
void drawClock(QPainter& p, const Timeline& t, double y, bool cpol, double left, double right) {
    const double high = y;
    const double low = y + kSignalHeight;
    const double idle = cpol ? high : low;
    const double active = cpol ? low : high;
    std::vector<QPointF> pts{{left, idle}};
    for (int i = 0; i < kBits; ++i) {
        pts.emplace_back(t.leading(i), idle);
        pts.emplace_back(t.leading(i), active);
        pts.emplace_back(t.trailing(i), active);
        pts.emplace_back(t.trailing(i), idle);
    }
    pts.emplace_back(right, idle);
    drawLevel(p, pts);
}

void drawSelect(QPainter& p, const Timeline& t, double y, double left, double right) {
    const double high = y;
    const double low = y + kSignalHeight;
    drawLevel(p, {{left, high},
                  {t.start - t.bit / 4, high},
                  {t.start - t.bit / 4, low},
                  {t.end, low},
                  {t.end, high},
                  {right, high}});
}

// Bus cells: bit k of the byte (MSB first) valid from `from[k]` to `to[k]`; hi-Z outside.
void drawData(QPainter& p, const std::vector<double>& from, const std::vector<double>& to, double y,
              double left, double right) {
    const double mid = y + kSignalHeight / 2;
    const double top = y;
    const double bottom = y + kSignalHeight;
    p.save();
    p.setPen(QPen(style::kMuted, 1.2, Qt::DashLine));
    p.drawLine(QPointF(left, mid), QPointF(from.front() - kSlant, mid));
    p.drawLine(QPointF(to.back() + kSlant, mid), QPointF(right, mid));
    p.restore();
    p.setFont(style::font(8));
    for (int k = 0; k < kBits; ++k) {
        const double a = from[static_cast<std::size_t>(k)];
        const double b = to[static_cast<std::size_t>(k)];
        QPolygonF cell;
        cell << QPointF(a - kSlant, mid) << QPointF(a + kSlant, top) << QPointF(b - kSlant, top)
             << QPointF(b + kSlant, mid) << QPointF(b - kSlant, bottom) << QPointF(a + kSlant, bottom);
        p.setBrush(k % 2 == 0 ? QColor(0xea, 0xf1, 0xfb) : Qt::white);
        p.drawPolygon(cell);
        const QString label = k == 0           ? QStringLiteral("MSB")
                              : k == kBits - 1 ? QStringLiteral("LSB")
                                               : QString::number(kBits - 1 - k);
        p.drawText(QRectF(a, top, b - a, kSignalHeight), Qt::AlignCenter, label);
    }
    p.setBrush(Qt::NoBrush);
}

void drawPanel(QPainter& p, const QRect& frame, int mode) {
    const bool cpol = (mode & 2) != 0;
    const bool cpha = (mode & 1) != 0;
    p.setPen(style::kRule);
    p.drawRect(frame);
    p.fillRect(QRect(frame.left() + 1, frame.top() + 1, frame.width() - 1, 30), style::kHeaderFill);
    p.setFont(style::font(11, true));
    p.setPen(style::kHeading);
    p.drawText(QRect(frame.left() + 12, frame.top(), frame.width() - 24, 31),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Mode %1").arg(mode));
    p.setFont(style::font(9));
    p.drawText(QRect(frame.left() + 12, frame.top(), frame.width() - 24, 31),
               Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("CPOL = %1    CPHA = %2").arg(int(cpol)).arg(int(cpha)));

    const double left = frame.left() + kLabelWidth + 8;
    const double right = frame.right() - 12;
    Timeline t{left + 30, (right - left - 60) / (kBits + 0.25), 0};
    t.end = t.trailing(kBits - 1) + t.bit / 4;

    // Rows: SSEL, SCK, MOSI, MISO.
    const double rowStep = 46;
    const double first = frame.top() + 48;
    const char* names[] = {"SSEL", "SCK", "MOSI", "MISO"};
    p.setFont(style::font(9, true));
    p.setPen(style::kInk);
    for (int r = 0; r < 4; ++r)
        p.drawText(QRectF(frame.left() + 12, first + r * rowStep, kLabelWidth, kSignalHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(names[r]));

    // The sample edges first, under the signals: a dashed line from the clock through both data lines.
    std::vector<double> samples;
    std::vector<double> from;
    std::vector<double> to;
    for (int i = 0; i < kBits; ++i) {
        // CPHA 0: data is out before the first edge, sampled on the leading edge, shifted on the
        // trailing one. CPHA 1: shifted on the leading edge, sampled on the trailing one.
        samples.push_back(cpha ? t.trailing(i) : t.leading(i));
        from.push_back(cpha ? t.leading(i) : (i == 0 ? t.start : t.trailing(i - 1)));
        to.push_back(cpha ? (i == kBits - 1 ? t.end : t.leading(i + 1)) : t.trailing(i));
    }
    p.setPen(QPen(style::kAccent, 1.0, Qt::DotLine));
    for (double x : samples)
        p.drawLine(QPointF(x, first + rowStep - 4), QPointF(x, first + 3 * rowStep + kSignalHeight + 4));

    p.setPen(QPen(style::kInk, 1.6));
    drawSelect(p, t, first, left, right);
    drawClock(p, t, first + rowStep, cpol, left, right);
    p.setPen(QPen(style::kInk, 1.2));
    drawData(p, from, to, first + 2 * rowStep, left, right);
    drawData(p, from, to, first + 3 * rowStep, left, right);

    // Sample marks on the clock.
    p.setPen(Qt::NoPen);
    p.setBrush(style::kAccent);
    for (double x : samples) {
        const double y = first + rowStep + kSignalHeight + 6;
        QPolygonF arrow;
        arrow << QPointF(x, y - 5) << QPointF(x - 4, y + 2) << QPointF(x + 4, y + 2);
        p.drawPolygon(arrow);
    }
    p.setBrush(Qt::NoBrush);

    p.setFont(style::font(8));
    p.setPen(style::kMuted);
    const QString sampled = cpha ? QStringLiteral("second") : QStringLiteral("first");
    const QString shifted = cpha ? QStringLiteral("first") : QStringLiteral("second");
    p.drawText(QRectF(frame.left() + 12, frame.bottom() - 26, frame.width() - 24, 18),
               Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("SCK idles %1; data sampled on the %2 edge, shifted on the %3")
                   .arg(cpol ? QStringLiteral("high") : QStringLiteral("low"), sampled, shifted));
}

} // namespace

QImage drawSpiModes() {
    const int width = 2 * kMargin + 2 * kPanelWidth + kGap;
    const int titleHeight = 52;
    const int height = 2 * kMargin + titleHeight + 2 * kPanelHeight + kGap + 24;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(style::font(15, true));
    p.setPen(style::kHeading);
    p.drawText(QRect(kMargin, kMargin, width - 2 * kMargin, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("SPI clock modes"));
    p.setFont(style::font(9));
    p.setPen(style::kMuted);
    p.drawText(
        QRect(kMargin, kMargin + 28, width - 2 * kMargin, 20), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Mode = 2 \u00d7 CPOL + CPHA. Both sides read the data lines at the marked edges; "
                       "one byte, most significant bit first."));
    for (int mode = 0; mode < 4; ++mode) {
        const int x = kMargin + (mode % 2) * (kPanelWidth + kGap);
        const int y = kMargin + titleHeight + (mode / 2) * (kPanelHeight + kGap);
        drawPanel(p, QRect(x, y, kPanelWidth, kPanelHeight), mode);
    }
    return image;
}

} // namespace regforge::pictures
