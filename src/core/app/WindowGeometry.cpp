#include "app/WindowGeometry.h"

#include <algorithm>

namespace regforge::app {

namespace {
constexpr int kWheelStep = 8;
} // namespace

ClientSize pageControlSize(ClientSize client, ClientSize minimum) {
    return {std::max(client.width, minimum.width), std::max(client.height, minimum.height)};
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
