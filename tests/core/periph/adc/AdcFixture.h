#pragma once

#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/adc/AdcPage.h"
#include "support/ProgramFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace regforge::periph::adc {

// A started main window in a program folder holding the A/D test profiles
// (tests/fixtures/adc/<name>.ini); tests load one the way the user does.
class AdcFixture : public ::testing::Test {
protected:
    static std::string fixtureText(const std::string& name) {
        std::ifstream in(std::string(REGFORGE_FIXTURES) + "/adc/" + name + ".ini", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void addFixture(const std::string& fixture) { folder.addProfile(fixture, fixtureText(fixture)); }

    // Puts the fixture profile into include/ and loads it; the load must succeed.
    app::MainForm& load(const std::string& fixture) {
        addFixture(fixture);
        EXPECT_TRUE(loadProfile(fixture)) << fixture << " did not load";
        return folder.form();
    }

    // Loads a profile already in include/; the window is restarted when its device list
    // predates the profile.
    bool loadProfile(const std::string& name) {
        if (!started_ || combo("mcu_ComboBox").indexOf(name) < 0) {
            folder.start();
            started_ = true;
        }
        return folder.load(name);
    }

    AdcPage& page() { return folder.form().page<AdcPage>(); }
    template <class T = model::Control>
    T& get(const std::string& name) {
        return folder.form().store().get<T>(name);
    }
    model::CheckBox& box(const std::string& name) { return get<model::CheckBox>(name); }
    model::ComboBox& combo(const std::string& name) { return get<model::ComboBox>(name); }
    model::NumericEdit& edit(const std::string& name) { return get<model::NumericEdit>(name); }
    const std::string& caption(const std::string& name) { return get(name).caption(); }

    // The channels of a converter that are checked, as digits ("0", "135").
    std::string checkedChannels(int converter) {
        std::string digits;
        for (int n = 0; n < kChannelCount; ++n)
            if (box(channelBoxName(converter, n)).checked())
                digits += std::to_string(n);
        return digits;
    }

    testing::ProgramFolder folder;

private:
    bool started_ = false;
};

} // namespace regforge::periph::adc
