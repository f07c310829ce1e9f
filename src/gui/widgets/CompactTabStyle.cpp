#include "gui/widgets/CompactTabStyle.h"

#include <algorithm>

namespace regforge::gui::widgets {

int CompactTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    // Half the style's room beside the text, never less than a few pixels each side.
    if (metric == PM_TabBarTabHSpace)
        return std::max(8, base / 2);
    return base;
}

} // namespace regforge::gui::widgets
