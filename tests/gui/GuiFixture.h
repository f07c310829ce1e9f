#pragma once

#include "app/MainForm.h"
#include "gui/MainWindow.h"
#include "gui/binding/Binder.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace regforge::gui {

// A started program as the user sees it: include folder with two profiles, the core's main
// form after start-up, and its window shown off screen. `declare` adds test controls to the
// store before the window binds it.
class GuiFixture {
public:
    explicit GuiFixture(const std::function<void(model::ControlStore&)>& declare = {},
                        const std::string& settings = {});
    ~GuiFixture();

    model::ControlStore& store() { return form->store(); }
    binding::Binder& binder() { return window->binder(); }
    template <class W>
    W* widget(const char* name) {
        return binder().widgetAs<W>(name);
    }

    testing::TempDir folder;
    testing::FakeUi ui;
    std::unique_ptr<app::MainForm> form;
    std::unique_ptr<MainWindow> window;
};

} // namespace regforge::gui
