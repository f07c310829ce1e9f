#pragma once

#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/ResultLists.h"
#include "support/GeneratedText.h"
#include "support/ProgramFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

namespace regforge::testing {

// A started main window in a program folder holding one page's test profiles
// (tests/fixtures/<subfolder>/<name>.ini); tests load one the way the user does and reach
// the page's controls by name and kind.
class PageFixture : public ::testing::Test {
protected:
    explicit PageFixture(std::string subfolder) : subfolder_(std::move(subfolder)) {}

    std::string fixtureText(const std::string& name) const {
        std::ifstream in(std::string(REGFORGE_FIXTURES) + "/" + subfolder_ + "/" + name + ".ini",
                         std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Puts the fixture profile into include/.
    void addFixture(const std::string& fixture) { folder.addProfile(fixture, fixtureText(fixture)); }

    // Puts the fixture profile into include/ and loads it; the load must succeed.
    app::MainForm& load(const std::string& fixture) {
        addFixture(fixture);
        return loadProfile(fixture);
    }

    // Loads a profile already in include/; the load must succeed.
    app::MainForm& loadProfile(const std::string& name) {
        EXPECT_TRUE(tryLoad(name)) << name << " did not load";
        return folder.form();
    }

    // Loads a profile already in include/ and says whether the load succeeded. The window
    // started by an earlier load stays (so one device follows another) unless its device
    // list predates the profile.
    bool tryLoad(const std::string& name) {
        if (!started_ || combo("mcu_ComboBox").indexOf(name) < 0) {
            folder.start();
            started_ = true;
        }
        return folder.load(name);
    }

    template <class T = model::Control>
    T& get(const std::string& name) {
        return folder.form().store().get<T>(name);
    }
    model::CheckBox& box(const std::string& name) { return get<model::CheckBox>(name); }
    model::ComboBox& combo(const std::string& name) { return get<model::ComboBox>(name); }
    model::NumericEdit& edit(const std::string& name) { return get<model::NumericEdit>(name); }
    const std::string& caption(const std::string& name) { return get(name).caption(); }
    // A letter per named control, 'y' where its own flag is set and 'n' where not, so one
    // comparison shows the state of a whole group.
    std::string shown(std::initializer_list<std::string> names) {
        return letters(names, &model::Control::visible);
    }
    std::string usable(std::initializer_list<std::string> names) {
        return letters(names, &model::Control::enabled);
    }
    std::string ticked(std::initializer_list<std::string> names) {
        std::string out;
        for (const std::string& name : names)
            out += box(name).checked() ? 'y' : 'n';
        return out;
    }

    // What the result button gets from the page as it stands; these pages write no functions.
    template <class Page>
    Lines generatedBy() {
        periph::ResultLists lists;
        folder.form().page<Page>().generate(lists);
        EXPECT_TRUE(lists.functionLines.empty());
        return lists.mainLines;
    }

    ProgramFolder folder;

private:
    std::string letters(std::initializer_list<std::string> names, bool (model::Control::*flag)() const) {
        std::string out;
        for (const std::string& name : names)
            out += (get(name).*flag)() ? 'y' : 'n';
        return out;
    }

    std::string subfolder_;
    bool started_ = false;
};

} // namespace regforge::testing
