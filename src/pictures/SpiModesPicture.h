#pragma once

#include <QImage>

namespace regforge::pictures {

// The four SPI clock modes as timing diagrams: SSEL, SCK for CPOL 0 and 1, MOSI and MISO bits,
// and where each mode samples and shifts the data.
QImage drawSpiModes();

} // namespace regforge::pictures
