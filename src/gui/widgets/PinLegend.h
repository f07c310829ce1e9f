#pragma once

#include <QWidget>

namespace regforge::gui::widgets {

// The key to the pin tree's icons: pin directions and functions on one row, pull modes on the
// next, each icon with its caption and a hint.
class PinLegend : public QWidget {
    Q_OBJECT

public:
    explicit PinLegend(QWidget* parent = nullptr);
};

} // namespace regforge::gui::widgets
