#pragma once

#include "app/MainForm.h"
#include "model/ComboBox.h"
#include "model/Tree.h"
#include "periph/io/IoPage.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace regforge::periph::io {

// Loads a profile the way the user does (device list, "Load profile") and gives the tests the
// pin tree and the I/O page.
class IoPageFixture : public ::testing::Test {
protected:
    static std::string fixture(const std::string& file) {
        std::ifstream in(std::string(REGFORGE_FIXTURES) + "/io/" + file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // True when the device loaded whole.
    bool load(const std::string& profile, const std::string& device = "DEV") {
        folder.write("include/" + device + ".ini", profile);
        form = std::make_unique<app::MainForm>(ui, folder.path());
        form->FormCreate();
        auto& devices = form->store().get<model::ComboBox>("mcu_ComboBox");
        devices.setItemIndex(devices.indexOf(device));
        return form->LoadProfileBitBtnClick();
    }

    bool reportedCantOpenProfile() const {
        return !ui.messages.empty() && ui.messages.back().caption == "Can't open profile";
    }

    IoPage& page() { return form->page<periph::io::IoPage>(); }
    model::Tree& tree() { return form->store().get<model::Tree>("IO_Treeview"); }
    const model::TreeNode& node(int index) { return tree().node(index); }
    int state(int index) { return tree().node(index).stateIndex; }
    int image(int index) { return tree().node(index).imageIndex; }
    // The state values of the nodes first..last.
    std::vector<int> states(int first, int last) {
        std::vector<int> out;
        for (int i = first; i <= last; ++i)
            out.push_back(state(i));
        return out;
    }
    std::vector<int> statesOf(std::initializer_list<int> nodes) {
        std::vector<int> out;
        for (const int i : nodes)
            out.push_back(state(i));
        return out;
    }
    std::vector<std::string> texts(int first, int last) {
        std::vector<std::string> out;
        for (int i = first; i <= last; ++i)
            out.push_back(node(i).text);
        return out;
    }
    template <class T>
    T& control(const std::string& name) {
        return form->store().get<T>(name);
    }

    void clickState(int index) { tree().clickNode(index, model::TreeHitPart::StateIcon); }
    void clickPull(int index, model::MouseButton button = model::MouseButton::Left) {
        tree().clickNode(index, model::TreeHitPart::Image, button);
    }

    // The pin code as one text, lines joined with "\n"; `gpdma` when some page moves data by GPDMA.
    std::string pinCode(bool gpdma = false) {
        ResultLists lists;
        lists.gpdmaInUse = gpdma;
        page().generate(lists);
        EXPECT_TRUE(lists.functionLines.empty());
        std::string text;
        for (const auto& line : lists.mainLines)
            text += line + "\n";
        return text;
    }

    testing::TempDir folder;
    testing::FakeUi ui;
    std::unique_ptr<app::MainForm> form;
};

} // namespace regforge::periph::io
