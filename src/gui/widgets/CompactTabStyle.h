#pragma once

#include <QProxyStyle>

namespace regforge::gui::widgets {

// The application's style with less room beside each tab's text, so the page control's row of
// tabs fits the window's design width beside the about button.
class CompactTabStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace regforge::gui::widgets
