#pragma once

#include "profile/PinTable.h"

#include <QImage>
#include <QString>
#include <vector>

namespace regforge::pictures {

// The pin-out picture of a device, in the style of a datasheet's pin function table: one block
// per port, one row per pin, its functions in function-select order (FUNC0 first), the function
// selected at reset marked. Blocks flow into columns so that the picture is about as wide as a
// screen is for its height, and no taller than `maxHeight`.
QImage drawPinout(const QString& deviceName, const std::vector<profile::PinRow>& pins, int maxHeight = 1600);

} // namespace regforge::pictures
