#pragma once

namespace regforge::app {

// The main window's scrolling and sizing rules, in pixels.
struct ClientSize {
    int width;
    int height;
};

// The client area never grows beyond the page control (plus room for a hidden scroll bar).
ClientSize capClientSize(ClientSize current, ClientSize pageControl, bool verticalBarVisible,
                         bool horizontalBarVisible);
// One wheel notch up: 8 pixels, not below the top.
int wheelUp(int position);
// One wheel notch down: 8 pixels, stopping exactly at the end.
int wheelDown(int position, int pageControlHeight, int clientHeight);

} // namespace regforge::app
