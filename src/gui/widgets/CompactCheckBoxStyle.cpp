#include "gui/widgets/CompactCheckBoxStyle.h"

#include <QWidget>

namespace regforge::gui::widgets {

int CompactCheckBoxStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (metric == PM_CheckBoxLabelSpacing)
        return 2;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void CompactCheckBoxStyle::apply(QWidget& box) {
    auto* style = new CompactCheckBoxStyle();
    // The style goes with the box; a widget holds its style through a guarded pointer, so the
    // box falls back to the application's style should it ask for one while it is destroyed.
    style->setParent(&box);
    box.setStyle(style);
}

} // namespace regforge::gui::widgets
