#pragma once

namespace regforge::output {

// The replace panel's control names, as the main window calls them.
inline constexpr const char* kReplacePanel = "ReplacePanel";
inline constexpr const char* kPairEdit = "ReplaceTextEdit";
inline constexpr const char* kAddButton = "ReplaceListAddButton";
inline constexpr const char* kListSelector = "ReplaceFileSelectComboBox";
inline constexpr const char* kLoadButton = "ReplaceListLoadButton";
inline constexpr const char* kSaveButton = "ReplaceSaveButton";
inline constexpr const char* kSwapButton = "JvXPButton2";
inline constexpr const char* kProcessFileButton = "JvXPButton3";
inline constexpr const char* kHelpButton = "JvXPButton1";
inline constexpr const char* kListEditor = "ReplaceValueListEditor";
inline constexpr const char* kEditLabel = "ReplaceEditLabel";
// The four labels that explain the panel.
inline constexpr const char* kAddHelpLabel = "ReplaceAddHelpLabel";
inline constexpr const char* kEditHelpLabel = "ReplaceEditHelpLabel";
inline constexpr const char* kSaveLoadHelpLabel = "ReplaceSaveLoadHelpLabel";
inline constexpr const char* kDeleteHelpLabel = "ReplaceDeleteHelpLabel";

// Captions and texts the panel shows.
inline constexpr const char* kAddCaption = "Add to list";
inline constexpr const char* kApplyCaption = "Apply change";
inline constexpr const char* kPairEditText = "Use a=b format, a will be replaced with b";
inline constexpr const char* kEditLabelText =
    "Edit the entry and press \"Apply\" or click on a different line to abort";
inline constexpr const char* kAddHelpText =
    "ADD: Type an entry in the edit box and clock \"Add to list\" to add it in the replace list";
inline constexpr const char* kEditHelpText =
    "EDIT: Double click a line in the list to edit. Use \"Save as..\" to store the changed list to a file";
inline constexpr const char* kSaveLoadHelpText =
    "SAVE/LOAD: Click \"Save as\" to save the list to an existing or "
    "new file, use \"Load\" to load the selected file";
inline constexpr const char* kDeleteHelpText =
    "DELETE: Select an entry in the list and press the delete key to remove it.";

} // namespace regforge::output
