#include "pictures/PinoutPicture.h"

#include "pictures/Style.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace regforge::pictures {

namespace {

constexpr int kMargin = 24;
constexpr int kCellPad = 8;
constexpr int kColumnGap = 28;
constexpr int kMinFunctionWidth = 56;
// A port block is not started with fewer rows than this left in a column.
constexpr int kFewestRowsOfABlock = 4;

struct Row {
    enum class Kind { Heading, Header, Pin };
    Kind kind;
    const profile::PinRow* pin = nullptr;
    QString text;
    bool stripe = false;
};

using Column = std::vector<Row>;

QString portTitle(const std::string& port) {
    const QString name = QString::fromStdString(port);
    // "P2" reads "Port 2"; other names ("PIO2") stand as the manual writes them.
    if (name.size() > 1 && name.front() == 'P' && name.at(1).isDigit())
        return QStringLiteral("Port ") + name.mid(1);
    return name;
}

std::size_t functionColumns(const std::vector<profile::PinRow>& pins) {
    std::size_t most = 0;
    for (const auto& pin : pins)
        most = std::max(most, pin.functions.size());
    return most;
}

bool isReserved(const std::string& function) {
    return function.empty() || function == "Reserved";
}

// Width of every column: the pin name, then FUNC0, FUNC1, ...
std::vector<int> columnWidths(const std::vector<profile::PinRow>& pins, std::size_t functions) {
    const QFontMetrics plain(style::font(9));
    const QFontMetrics bold(style::font(9, true));
    std::vector<int> widths(functions + 1, 0);
    widths[0] = bold.horizontalAdvance(QStringLiteral("Pin"));
    for (std::size_t f = 0; f < functions; ++f)
        widths[f + 1] = std::max(kMinFunctionWidth, bold.horizontalAdvance(QStringLiteral("FUNC%1").arg(f)));
    for (const auto& pin : pins) {
        widths[0] = std::max(widths[0], bold.horizontalAdvance(QString::fromStdString(pin.name)));
        for (std::size_t f = 0; f < pin.functions.size(); ++f)
            widths[f + 1] =
                std::max(widths[f + 1], bold.horizontalAdvance(QString::fromStdString(pin.functions[f])));
    }
    for (int& w : widths)
        w += 2 * kCellPad;
    return widths;
}

// Port blocks flowed into columns of at most `rowsPerColumn` rows; a block cut by a column end
// goes on under its heading marked "continued".
std::vector<Column> flow(const std::vector<profile::PinRow>& pins, int rowsPerColumn) {
    std::vector<Column> columns(1);
    const auto room = [&] { return rowsPerColumn - static_cast<int>(columns.back().size()); };
    const auto startBlock = [&](const std::string& port, bool continued) {
        QString title = portTitle(port);
        if (continued)
            title += QStringLiteral(" (continued)");
        columns.back().push_back({Row::Kind::Heading, nullptr, title});
        columns.back().push_back({Row::Kind::Header, nullptr, {}});
    };
    std::size_t i = 0;
    while (i < pins.size()) {
        const std::string& port = pins[i].port;
        std::size_t end = i;
        while (end < pins.size() && pins[end].port == port)
            ++end;
        // A block that would leave only a pin or two for the next column starts there whole.
        const int blockRows = 2 + static_cast<int>(end - i);
        const int spill = blockRows - room();
        const bool shortSpill = spill > 0 && spill < 3 && blockRows <= rowsPerColumn;
        if (!columns.back().empty() && (room() < kFewestRowsOfABlock || shortSpill))
            columns.emplace_back();
        startBlock(port, false);
        bool stripe = false;
        for (; i < pins.size() && pins[i].port == port; ++i) {
            if (room() <= 0) {
                columns.emplace_back();
                startBlock(port, true);
            }
            columns.back().push_back({Row::Kind::Pin, &pins[i], {}, stripe});
            stripe = !stripe;
        }
        // A little air between two blocks in one column; a column without room for the air and
        // the next block's first rows ends here.
        if (i < pins.size()) {
            if (room() > kFewestRowsOfABlock)
                columns.back().push_back({Row::Kind::Heading, nullptr, {}});
            else
                columns.emplace_back();
        }
    }
    return columns;
}

void drawCellText(QPainter& p, const QRect& cell, const QString& text, const QFont& font,
                  const QColor& colour) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(cell.adjusted(kCellPad, 0, -kCellPad, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void drawRow(QPainter& p, const Row& row, int x, int y, int rowHeight, const std::vector<int>& widths) {
    int width = 0;
    for (int w : widths)
        width += w;
    const QRect whole(x, y, width, rowHeight);
    switch (row.kind) {
    case Row::Kind::Heading:
        if (row.text.isEmpty())
            return; // the gap between two blocks
        p.fillRect(whole, style::kHeading);
        drawCellText(p, whole, row.text, style::font(9, true), Qt::white);
        return;
    case Row::Kind::Header: {
        p.fillRect(whole, style::kHeaderFill);
        int cx = x;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QRect cell(cx, y, widths[c], rowHeight);
            drawCellText(p, cell, c == 0 ? QStringLiteral("Pin") : QStringLiteral("FUNC%1").arg(c - 1),
                         style::font(9, true), style::kHeading);
            cx += widths[c];
        }
        break;
    }
    case Row::Kind::Pin: {
        if (row.stripe)
            p.fillRect(whole, style::kStripe);
        const profile::PinRow& pin = *row.pin;
        drawCellText(p, QRect(x, y, widths[0], rowHeight), QString::fromStdString(pin.name),
                     style::font(9, true), style::kInk);
        int cx = x + widths[0];
        for (std::size_t f = 0; f + 1 < widths.size(); ++f) {
            const QRect cell(cx, y, widths[f + 1], rowHeight);
            cx += widths[f + 1];
            if (f >= pin.functions.size())
                continue;
            const std::string& function = pin.functions[f];
            const bool atReset = static_cast<int>(f) == pin.resetFunction;
            if (atReset)
                p.fillRect(cell, style::kResetFill);
            if (isReserved(function))
                drawCellText(p, cell, QStringLiteral("\u2013"), style::font(9), style::kMuted);
            else
                drawCellText(p, cell, QString::fromStdString(function), style::font(9, atReset), style::kInk);
        }
        break;
    }
    }
    p.setPen(style::kRule);
    p.drawLine(whole.bottomLeft(), whole.bottomRight());
}

} // namespace

QImage drawPinout(const QString& deviceName, const std::vector<profile::PinRow>& pins, int maxHeight) {
    const std::size_t functions = std::max<std::size_t>(functionColumns(pins), 1);
    const std::vector<int> widths = columnWidths(pins, functions);
    int columnWidth = 0;
    for (int w : widths)
        columnWidth += w;
    const int rowHeight = QFontMetrics(style::font(9, true)).height() + 8;
    const int titleHeight = 64;
    const int footerHeight = 40;
    // The column count that gives the picture the shape of a screen (about 3:2), within the
    // height limit.
    const int overhead = 2 * kMargin + titleHeight + footerHeight;
    const int mostRows = std::max(12, (maxHeight - overhead) / rowHeight);
    std::vector<Column> columns;
    double bestShape = 0;
    for (int rows = mostRows; rows >= 12; rows -= 2) {
        std::vector<Column> candidate = flow(pins, rows);
        const double w = static_cast<double>(candidate.size()) * (columnWidth + kColumnGap);
        const double h = static_cast<double>(rows) * rowHeight + overhead;
        const double shape = std::abs(w / h - 1.5);
        if (columns.empty() || shape < bestShape) {
            columns = std::move(candidate);
            bestShape = shape;
        }
    }
    std::size_t tallest = 0;
    for (const Column& column : columns)
        tallest = std::max(tallest, column.size());

    const int count = static_cast<int>(columns.size());
    const int width = std::max(2 * kMargin + count * columnWidth + (count - 1) * kColumnGap, 560);
    const int height = kMargin + titleHeight + static_cast<int>(tallest) * rowHeight + footerHeight + kMargin;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setFont(style::font(15, true));
    p.setPen(style::kHeading);
    p.drawText(QRect(kMargin, kMargin, width - 2 * kMargin, 30), Qt::AlignLeft | Qt::AlignVCenter,
               deviceName + QStringLiteral(" pin functions"));
    p.setFont(style::font(9));
    p.setPen(style::kMuted);
    p.drawText(QRect(kMargin, kMargin + 30, width - 2 * kMargin, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 pins, functions in function-select order (FUNC0 first)").arg(pins.size()));

    const int top = kMargin + titleHeight;
    for (int c = 0; c < count; ++c) {
        const int x = kMargin + c * (columnWidth + kColumnGap);
        int y = top;
        for (const Row& row : columns[static_cast<std::size_t>(c)]) {
            drawRow(p, row, x, y, rowHeight, widths);
            y += rowHeight;
        }
    }

    // Legend.
    const int legendY = top + static_cast<int>(tallest) * rowHeight + 14;
    const QRect swatch(kMargin, legendY + 4, 28, rowHeight - 8);
    p.fillRect(swatch, style::kResetFill);
    p.setPen(style::kRule);
    p.drawRect(swatch);
    drawCellText(p, QRect(kMargin + 28, legendY, 260, rowHeight),
                 QStringLiteral("function selected at reset"), style::font(9), style::kInk);
    drawCellText(p, QRect(kMargin + 300, legendY, 260, rowHeight), QStringLiteral("\u2013  reserved"),
                 style::font(9), style::kMuted);
    return image;
}

} // namespace regforge::pictures
