#pragma once

#include "periph/PageContext.h"

namespace regforge::periph {

// One page of the main window: it declares its controls when the form is built and takes
// part in every device load and clock refresh. The device load calls the hooks in a fixed
// order across pages (see profile::DeviceLoader).
class Page {
public:
    explicit Page(PageContext& context) : ctx_(context) {}
    virtual ~Page() = default;
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // Forget the previous device's lists and nodes (start of every load).
    virtual void clearDevice() {}
    // Put the page's controls back to their defaults (before the profile is read).
    virtual void reset() {}
    // Read the page's own sections from the loaded profile. Throws profile::ProfileError
    // when a section cannot be converted.
    virtual void loadProfile() {}
    // Recompute the live figures from the peripheral clocks.
    virtual void refreshFigures() {}

protected:
    model::ControlStore& store() { return ctx_.store; }
    profile::DeviceState& device() { return ctx_.device; }
    app::Ui& ui() { return ctx_.ui; }
    PageContext& context() { return ctx_; }

private:
    PageContext& ctx_;
};

} // namespace regforge::periph
