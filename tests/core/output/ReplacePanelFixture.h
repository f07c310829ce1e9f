#pragma once

#include "app/MainForm.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "output/ReplaceListPanel.h"
#include "output/ReplacePanelControls.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace regforge::output::testing {

using Pairs = std::vector<ReplacePair>;

// The main window in a portable program folder, driven on its replace panel as a user does.
class ReplacePanelTest : public ::testing::Test {
protected:
    ReplacePanelTest() { folder.write("include/Tiny.ini", "[INCLUDE]\nLPC214x.h\n"); }

    app::MainForm& start() {
        form = std::make_unique<app::MainForm>(ui, folder.path());
        form->FormCreate();
        return *form;
    }
    model::ControlStore& store() { return form->store(); }
    ReplaceListPanel& panel() { return form->replacePanel(); }
    model::ValueList& grid() { return store().get<model::ValueList>(kListEditor); }
    model::ComboBox& lists() { return store().get<model::ComboBox>(kListSelector); }
    void click(const char* name) { store().get<model::Control>(name).click(); }
    // Types a line into the edit box and presses the add button.
    void add(const std::string& line) {
        store().get<model::Edit>(kPairEdit).setText(line);
        click(kAddButton);
    }
    std::string pairEditText() { return store().get<model::Edit>(kPairEdit).text(); }
    std::string addCaption() { return store().get<model::Control>(kAddButton).caption(); }
    bool editLabelShown() { return store().get<model::Control>(kEditLabel).visible(); }
    bool saveEnabled() { return store().get<model::Control>(kSaveButton).enabled(); }
    // Chooses a stored list and loads it.
    bool load(const std::string& name) {
        lists().setItemIndex(lists().indexOf(name));
        return panel().ReplaceListLoadButtonClick();
    }

    regforge::testing::TempDir folder;
    regforge::testing::FakeUi ui;
    std::unique_ptr<app::MainForm> form;
};

} // namespace regforge::output::testing
