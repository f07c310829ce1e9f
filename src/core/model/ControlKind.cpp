#include "model/ControlKind.h"

namespace regforge::model {

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Form:
        return "TForm";
    case ControlKind::PageControl:
        return "TPageControl";
    case ControlKind::Page:
        return "TTabSheet";
    case ControlKind::Panel:
        return "TPanel";
    case ControlKind::GroupBox:
        return "TGroupBox";
    case ControlKind::ScrollBox:
        return "TScrollBox";
    case ControlKind::Label:
        return "TLabel";
    case ControlKind::StaticText:
        return "TStaticText";
    case ControlKind::Button:
        return "TButton";
    case ControlKind::ToggleButton:
        return "TSpeedButton";
    case ControlKind::CheckBox:
        return "TCheckBox";
    case ControlKind::RadioButton:
        return "TRadioButton";
    case ControlKind::ComboBox:
        return "TComboBox";
    case ControlKind::NumericEdit:
        return "TMivoEdit";
    case ControlKind::Edit:
        return "TEdit";
    case ControlKind::CheckListBox:
        return "TCheckListBox";
    case ControlKind::Playlist:
        return "TMivoPlaylist";
    case ControlKind::Tree:
        return "TJvTreeView";
    case ControlKind::Memo:
        return "TMemo";
    case ControlKind::ValueList:
        return "TValueListEditor";
    case ControlKind::Image:
        return "TImage";
    case ControlKind::Shape:
        return "TShape";
    case ControlKind::PopupMenu:
        return "TPopupMenu";
    case ControlKind::MenuItem:
        return "TMenuItem";
    }
    return "";
}

bool isContainer(ControlKind kind) {
    switch (kind) {
    case ControlKind::Form:
    case ControlKind::PageControl:
    case ControlKind::Page:
    case ControlKind::Panel:
    case ControlKind::GroupBox:
    case ControlKind::ScrollBox:
    case ControlKind::PopupMenu:
    case ControlKind::MenuItem:
        return true;
    default:
        return false;
    }
}

} // namespace regforge::model
