#include "app/MainForm.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"
#include "tools/Calculator.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace regforge::app {
namespace {

// The desktop views place the core's controls by name. A control the core renamed would leave
// a hole in a page that only a look at the window shows, so every name the views take must be
// one the core declares.
TEST(GuiControlNames, EveryControlAPageViewTakesIsDeclaredByTheCore) {
    testing::TempDir dir;
    testing::FakeUi ui;
    MainForm form(ui, dir.path());
    const std::filesystem::path gui = std::filesystem::path(REGFORGE_FIXTURES) / ".." / ".." / "src" / "gui";
    // take("x"), widget("x"), widgetAs<T>("x") and find("x") all look a control up by name.
    const std::regex take(R"re(\b(?:take|widget|widgetAs<[A-Za-z_:]+>|find)\("([A-Za-z0-9_]+)"\))re");
    int names = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(gui)) {
        // The calculator window takes the calculator's own controls (the test below).
        if (entry.path().extension() != ".cpp" || entry.path().filename() == "CalculatorDialog.cpp")
            continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string source = text.str();
        for (std::sregex_iterator it(source.begin(), source.end(), take), end; it != end; ++it) {
            ++names;
            EXPECT_NE(form.store().find((*it)[1].str()), nullptr)
                << (*it)[1].str() << " in " << entry.path().filename().string();
        }
    }
    EXPECT_GE(names, 35);
}

// The calculator window places the calculator's controls by name in the same way.
TEST(GuiControlNames, EveryControlTheCalculatorWindowTakesIsDeclared) {
    const tools::Calculator calculator;
    const auto dialog = std::filesystem::path(REGFORGE_FIXTURES) / ".." / ".." / "src" / "gui" / "dialogs" /
                        "CalculatorDialog.cpp";
    std::ifstream in(dialog);
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    const std::regex take(R"re(\bwidget\("([A-Za-z0-9_]+)"\))re");
    int names = 0;
    for (std::sregex_iterator it(source.begin(), source.end(), take), end; it != end; ++it) {
        ++names;
        EXPECT_NE(calculator.store().find((*it)[1].str()), nullptr) << (*it)[1].str();
    }
    EXPECT_GE(names, 10);
}

// The pop-up menu of the numeric edits names its three commands.
TEST(GuiControlNames, TheIntegerInputPopupCaptions) {
    testing::TempDir dir;
    testing::FakeUi ui;
    MainForm form(ui, dir.path());
    EXPECT_EQ(form.store().get<model::Control>("CalcFromFreqPopup").caption(),
              "Calculate from frequency/Period");
    EXPECT_EQ(form.store().get<model::Control>("InsertIntegterPopup").caption(), "Insert decimal value");
    EXPECT_EQ(form.store().get<model::Control>("CalculateFromSamplesAD").caption(),
              "Calculate from samples/sec");
}

} // namespace
} // namespace regforge::app
