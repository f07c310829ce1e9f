#pragma once

namespace regforge::model {

// The kinds of control the main window is made of. The configuration file and the
// generators select controls by kind, so every control carries exactly one.
enum class ControlKind {
    Form,
    PageControl,
    Page,
    Panel,
    GroupBox,
    ScrollBox,
    Label,
    StaticText,
    Button,
    ToggleButton,
    CheckBox,
    RadioButton,
    ComboBox,
    NumericEdit,
    Edit,
    CheckListBox,
    Playlist,
    Tree,
    Memo,
    ValueList,
    Image,
    Shape,
    PopupMenu,
    MenuItem,
};

// Containers hold other controls; the view nests their widgets the same way.
bool isContainer(ControlKind kind);

} // namespace regforge::model
