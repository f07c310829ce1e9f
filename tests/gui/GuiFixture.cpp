#include "GuiFixture.h"

namespace regforge::gui {

GuiFixture::GuiFixture(const std::function<void(model::ControlStore&)>& declare,
                       const std::string& settings) {
    folder.write("include/LPC2148.ini", "[x]\n");
    folder.write("include/LPC1768.ini", "[x]\n");
    if (!settings.empty())
        folder.write("include/regforge", settings);
    form = std::make_unique<app::MainForm>(ui, folder.path());
    if (declare)
        declare(form->store());
    form->FormCreate();
    window = std::make_unique<MainWindow>(*form);
    window->show();
}

GuiFixture::~GuiFixture() = default;

} // namespace regforge::gui
