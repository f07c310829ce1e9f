#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/ListControls.h"
#include "support/FakeUi.h"
#include "support/GeneratedText.h"
#include "support/TempDir.h"
#include "tools/Calculator.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace regforge::app {
namespace {

// One line per control in declaration order, indented by its depth: name, kind, tag, caption,
// the items a list offers, the state a box starts in and whether it starts hidden or disabled.
// Hover hints are prose and left out; everything else is what the windows, the saved files and
// the generators quote.
std::string declarations(const model::ControlStore& store) {
    std::string text;
    for (const model::Control* c : store.all()) {
        int depth = 0;
        for (const model::Control* p = c->parent(); p != nullptr; p = p->parent())
            ++depth;
        std::string line(static_cast<std::size_t>(depth) * 2, ' ');
        line += c->name() + " k" + std::to_string(static_cast<int>(c->kind()));
        if (c->tag() != 0)
            line += " tag=" + std::to_string(c->tag());
        if (!c->caption().empty())
            line += " \"" + c->caption() + "\"";
        const std::vector<std::string>* items = nullptr;
        if (const auto* combo = dynamic_cast<const model::ComboBox*>(c))
            items = &combo->items();
        else if (const auto* list = dynamic_cast<const model::CheckListBox*>(c))
            items = &list->items();
        if (items != nullptr && !items->empty()) {
            line += " items=";
            for (std::size_t i = 0; i < items->size(); ++i)
                line += (i > 0 ? "|" : "") + (*items)[i];
        }
        const auto* box = dynamic_cast<const model::CheckBox*>(c);
        const auto* radio = dynamic_cast<const model::RadioButton*>(c);
        const auto* item = dynamic_cast<const model::MenuItem*>(c);
        if ((box != nullptr && box->checked()) || (radio != nullptr && radio->checked()) ||
            (item != nullptr && item->checked()))
            line += " checked";
        if (!c->visible())
            line += " hidden";
        if (!c->enabled())
            line += " disabled";
        text += line + "\n";
    }
    return text;
}

// The main window's and the calculator's controls as they are declared, compared whole. With
// REGFORGE_WRITE_EXPECTED set the texts are written to the fixture folder instead (to review a
// deliberate change as a diff).
TEST(ControlDeclarations, EveryCaptionTagAndStartingStateAsDeclared) {
    testing::TempDir dir;
    testing::FakeUi ui;
    const MainForm form(ui, dir.path());
    const tools::Calculator calculator;
    for (const auto& [name, text] : {std::pair{"window", declarations(form.store())},
                                     std::pair{"calculator", declarations(calculator.store())}}) {
        const std::string fixture = std::string("ControlDeclarations/") + name;
        if (std::getenv("REGFORGE_WRITE_EXPECTED") != nullptr)
            std::ofstream(std::string(REGFORGE_FIXTURES) + "/expected/" + fixture + ".txt", std::ios::binary)
                << text;
        EXPECT_EQ(text, testing::expectedText(fixture)) << name;
    }
}

} // namespace
} // namespace regforge::app
