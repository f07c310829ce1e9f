#include "app/WindowGeometry.h"

#include <algorithm>

namespace regforge::app {

namespace {
constexpr int kWheelStep = 8;
constexpr int kScrollBarRoom = 16;
} // namespace

ClientSize capClientSize(ClientSize current, ClientSize pageControl, bool verticalBarVisible,
                         bool horizontalBarVisible) {
    const int maxWidth = pageControl.width + (verticalBarVisible ? 0 : kScrollBarRoom);
    const int maxHeight = pageControl.height + (horizontalBarVisible ? 0 : kScrollBarRoom);
    if (current.width > maxWidth)
        current.width = maxWidth;
    if (current.height > maxHeight)
        current.height = maxHeight;
    return current;
}

ScreenRect placeOnScreen(ClientSize outer, ScreenRect available) {
    const int width = std::clamp(outer.width, 1, std::max(available.width, 1));
    const int height = std::clamp(outer.height, 1, std::max(available.height, 1));
    return {available.x + (available.width - width) / 2, available.y + (available.height - height) / 2, width,
            height};
}

int wheelUp(int position) {
    return position < kWheelStep + 1 ? 0 : position - kWheelStep;
}

int wheelDown(int position, int pageControlHeight, int clientHeight) {
    const int maximum = pageControlHeight - clientHeight;
    if (maximum - kWheelStep < position)
        return maximum > 0 ? maximum : 0;
    return position + kWheelStep;
}

} // namespace regforge::app
