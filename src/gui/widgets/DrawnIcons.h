#pragma once

#include <QIcon>

namespace regforge::gui::widgets {

// Small icons drawn by our own code. The style's standard icons are looked up in the desktop's
// icon themes, whose indexes the first lookup reads from disk: tens of milliseconds in the middle
// of building a page or refreshing the problems list.
enum class DrawnIcon { ArrowUp, ArrowDown, Error, Warning, Note };

// The icon at 16 pixels, sharp on screens with two device pixels to one.
QIcon drawnIcon(DrawnIcon which);

} // namespace regforge::gui::widgets
