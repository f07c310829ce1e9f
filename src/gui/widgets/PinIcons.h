#pragma once

#include <QPixmap>
#include <QRectF>
#include <optional>
#include <string_view>

class QPainter;

namespace regforge::gui::widgets {

// The small pictures of the pin tree and its legend, drawn by our own code.
enum class PinGlyph {
    CheckBoxEmpty,
    CheckBoxTicked,
    CheckBoxGrey,
    RadioEmpty,
    RadioFilled,
    RadioGrey,
    ArrowDownGreen,
    ArrowUpRed,
    ArrowDownBlue,
    ArrowUpOrange,
    Exclamation,
    Ring,
    Disc0,
    Disc1,
    Disc2,
    PullUp,
    PullDown,
    Repeater,
    NoResistor,
    // The GPIO interrupt tree: no trigger, both edges, edge and level sensitive.
    TriggerOff,
    TriggerBoth,
    LetterE,
    LetterL,
};

// The glyph at `index` of a named image list, or nothing when the list is unknown or has no
// picture there.
std::optional<PinGlyph> glyphInList(std::string_view list, int index);

// Draws the glyph scaled into `box` (a square reads best).
void paintGlyph(QPainter& painter, const QRectF& box, PinGlyph glyph);

// The glyph as a `size` x `size` pixmap for a device pixel ratio. Drawn once per ratio and
// kept; the pixmap carries the ratio, so it paints at `size` logical pixels.
const QPixmap& glyphPixmap(PinGlyph glyph, int size, qreal devicePixelRatio);

} // namespace regforge::gui::widgets
