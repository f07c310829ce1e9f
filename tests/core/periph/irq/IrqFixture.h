#pragma once

#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/ListControls.h"
#include "model/Tree.h"
#include "periph/irq/IrqControls.h"
#include "periph/irq/IrqPage.h"
#include "support/ProgramFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace regforge::periph::irq {

using Lines = std::vector<std::string>;

// A started main window in a program folder holding the interrupt test profiles
// (tests/fixtures/irq/<name>.ini); tests load one and use the page as the user does.
class IrqFixture : public ::testing::Test {
protected:
    static std::string fixtureText(const std::string& name) {
        std::ifstream in(std::string(REGFORGE_FIXTURES) + "/irq/" + name + ".ini", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    app::MainForm& load(const std::string& fixture) {
        folder.addProfile(fixture, fixtureText(fixture));
        folder.start();
        EXPECT_TRUE(folder.load(fixture)) << fixture << " did not load";
        return folder.form();
    }

    template <class T = model::Control>
    T& get(const std::string& name) {
        return folder.form().store().get<T>(name);
    }
    IrqPage& page() { return folder.form().page<IrqPage>(); }
    model::Playlist& slots() { return get<model::Playlist>(kSlotList); }
    const Lines& entries() { return slots().items(); }
    model::ComboBox& sources() { return get<model::ComboBox>(kSourceCombo); }
    model::Tree& gpioTree() { return get<model::Tree>(kGpioTree); }
    // Chooses the source in the drop-down and presses the button.
    void add(const std::string& source, const char* button = kAddButton) {
        sources().setText(source);
        ASSERT_EQ(sources().text(), source);
        press(button);
    }
    void press(const char* button) { get(button).click(); }
    void selectOnly(std::initializer_list<int> selected) {
        for (int e = 0; e < slots().count(); ++e)
            slots().setSelected(e, false);
        for (int e : selected)
            slots().setSelected(e, true);
    }
    // A list of `count` entries with the given entries set and the others free.
    static Lines listWith(int count, std::initializer_list<std::pair<int, const char*>> used) {
        Lines out(static_cast<std::size_t>(count), " ");
        for (const auto& [e, name] : used)
            out[static_cast<std::size_t>(e)] = name;
        return out;
    }

    testing::ProgramFolder folder;
};

} // namespace regforge::periph::irq
