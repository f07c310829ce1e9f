#pragma once

namespace regforge::app {

// The main window's scrolling and sizing rules, in pixels.
struct ClientSize {
    int width;
    int height;
};

// The page control follows the window: it takes the whole client area, and never less than
// `minimum` (its design size, or what its pages need when that is larger), below which the
// client area scrolls. So the client area never grows beyond the page control.
ClientSize pageControlSize(ClientSize client, ClientSize minimum);
// A rectangle on the desktop, in pixels: left, top, width, height.
struct ScreenRect {
    int x;
    int y;
    int width;
    int height;
};

// Where the window's outer frame starts on a screen whose free area is `available`: no larger than
// that area, centred on it, and never beyond any of its edges, so the title bar and the tabs stay
// reachable; the pages scroll when the window ends up smaller than they are.
ScreenRect placeOnScreen(ClientSize outer, ScreenRect available);
// One wheel notch up: 8 pixels, not below the top.
int wheelUp(int position);
// One wheel notch down: 8 pixels, stopping exactly at the end.
int wheelDown(int position, int pageControlHeight, int clientHeight);

} // namespace regforge::app
