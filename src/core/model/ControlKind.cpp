#include "model/ControlKind.h"

namespace regforge::model {

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
