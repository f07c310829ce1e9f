#pragma once

#include "io/DataFolders.h"
#include "model/ControlStore.h"
#include "output/ReplaceList.h"
#include "ui/Ui.h"

#include <functional>
#include <string>
#include <vector>

namespace regforge::model {
class ValueList;
}

namespace regforge::output {

// The replace panel of the "Result" page: the active list lives in `ReplaceValueListEditor`
// (one row per find=replace pair, in list order); the panel remembers which stored list it
// came from. Panel controls the layout does not declare are left alone.
class ReplaceListPanel {
public:
    // Stored lists are read from the replace/ folders of `folders` and saved into the written
    // one. `rescanLists` refills `ReplaceFileSelectComboBox` from the replace folders.
    ReplaceListPanel(model::ControlStore& store, ui::Ui& ui, io::DataFolders folders,
                     std::function<void()> rescanLists = {});

    // "Add to list" / "Apply change": adds the pair typed in `ReplaceTextEdit`, or puts it in
    // place of the row being edited.
    void ReplaceListAddButtonClick();
    // A grid cell was selected; the title row is row 0. Abandons an edit in progress.
    void ReplaceValueListEditorSelectCell(int gridRow);
    // Double click: the selected pair goes into the edit box to be changed.
    void ReplaceValueListEditorDblClick();
    // The Delete key on the grid: removes the selected pair.
    void ReplaceValueListEditorKeyDown();

    // "Load": replaces the active list by the stored list chosen in `ReplaceFileSelectComboBox`.
    // Bad or duplicate lines are offered for skipping; refusing empties the list. Returns true
    // when the active list holds pairs afterwards.
    bool ReplaceListLoadButtonClick();
    // "Save as...": stores the active list under a name the user gives. True when written.
    bool ReplaceSaveButtonClick();
    // "Swap list": every pair find=replace becomes replace=find.
    void swapListClick();
    // "Process external file": applies the active list to a file the user picks, in place,
    // keeping the original as file.bak. True when the file was processed.
    bool processExternalFileClick();
    // The help button.
    void replaceHelpClick();

    // The active list's pairs, in order.
    std::vector<ReplacePair> activeList() const;
    // The stored list the active list was loaded from or saved to; empty when none.
    const std::string& activeListName() const { return activeName_; }
    // Drops the active list and its name (a configuration load starts without one).
    void forgetActiveList();
    // Puts back an active list and its name as they were (undo).
    void restoreActiveList(const std::vector<ReplacePair>& pairs, std::string name);

private:
    void connectHandlers();
    model::ValueList& grid() const;
    void setActiveList(const std::vector<ReplacePair>& pairs);
    void setActiveName(std::string name);
    bool editing() const;
    void endEditing();
    void updateSaveButton();
    // Appends the pair unless its find text is taken (compared exactly).
    void addPair(const ReplacePair& pair);
    void saveList(const std::string& name, bool replacing);

    model::ControlStore& store_;
    ui::Ui& ui_;
    io::DataFolders folders_;
    std::function<void()> rescanLists_;
    std::string activeName_;
    // The row an edit in progress applies to was deleted (while editing, the selected row is
    // the edited one: selecting another cell abandons the edit).
    bool editedRowDeleted_ = false;
};

// The text of the help button.
extern const char* const kReplaceHelpText;

} // namespace regforge::output
