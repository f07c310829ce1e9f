#pragma once

#include "io/DataFolders.h"
#include "model/ControlStore.h"
#include "output/ReplaceList.h"
#include "ui/Ui.h"

#include <string>
#include <vector>

namespace regforge::output {

// The replace panel of the "Result" page: the active list lives in `ReplaceValueListEditor`
// (one row per find=replace pair, in list order); the panel remembers which stored list it
// came from. Panel controls the layout does not declare are left alone.
class ReplaceListPanel {
public:
    // Stored lists are read from the replace/ folders of `folders`.
    ReplaceListPanel(model::ControlStore& store, ui::Ui& ui, io::DataFolders folders);

    // "Load": replaces the active list by the stored list chosen in `ReplaceFileSelectComboBox`.
    // Bad or duplicate lines are offered for skipping; refusing empties the list. Returns true
    // when the active list holds pairs afterwards.
    bool ReplaceListLoadButtonClick();

    // The active list's pairs, in order.
    std::vector<ReplacePair> activeList() const;
    // The stored list the active list was loaded from or saved to; empty when none.
    const std::string& activeListName() const { return activeName_; }
    // Drops the active list and its name (a configuration load starts without one).
    void forgetActiveList();

private:
    void setActiveList(const std::vector<ReplacePair>& pairs);
    void setActiveName(std::string name);
    void endEditing();
    void updateSaveButton();

    model::ControlStore& store_;
    ui::Ui& ui_;
    io::DataFolders folders_;
    std::string activeName_;
};

} // namespace regforge::output
