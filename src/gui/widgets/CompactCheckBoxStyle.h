#pragma once

#include <QProxyStyle>

class QWidget;

namespace regforge::gui::widgets {

// The application's style with a check box's caption close to its box, for rows of numbered
// boxes that must share a narrow width. A style set on a widget reaches no child of it, so it is
// set on each check box, and each box owns its own (a style sheet would do the same, but it
// restyles every widget added below it, which made building a page with many boxes slow).
class CompactCheckBoxStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

    // Gives `box` a compact style of its own, destroyed with the box.
    static void apply(QWidget& box);
};

} // namespace regforge::gui::widgets
