#include "gui/FontWarmUp.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace regforge::gui {

FontWarmUp::FontWarmUp() {
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the toolkit reads the configuration itself when it first needs it.
    }
}

FontWarmUp::~FontWarmUp() {
    finish();
}

void FontWarmUp::finish() {
    if (reader_.joinable())
        reader_.join();
}

} // namespace regforge::gui
