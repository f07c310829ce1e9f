#pragma once

#include <thread>

namespace regforge::gui {

// Reading the font configuration is the largest single cost before the window can show
// (the configuration files are parsed and the font cache mapped). The first label measured
// needs it, but nothing before the window is built does: a FontWarmUp reads it on a thread of
// its own while the application object, the pages and the profile are set up; finish() waits
// for it before the first widget is made, so the toolkit finds the configuration read. (The
// font library guards its own start: a message box shown meanwhile is safe, only slower.)
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void finish();

private:
    std::thread reader_;
};

} // namespace regforge::gui
