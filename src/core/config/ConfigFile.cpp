#include "config/ConfigFile.h"

#include "io/AsciiCase.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"

namespace regforge::config {

namespace {

using model::Control;
using model::ControlKind;
using periph::recordHeader;
using periph::SavedRecord;

// The device list is never restored from a file: the file's device line chose the device.
constexpr std::string_view kDeviceList = "mcu_ComboBox";
constexpr std::string_view kReplaceUseButton = "ReplaceUseButton";
constexpr std::string_view kReplaceListSelector = "ReplaceFileSelectComboBox";

std::string flag(bool on) {
    return on ? "1" : "0";
}

void appendStateFlags(Lines& out, const Control& c) {
    out.push_back(flag(c.enabled()));
    out.push_back(flag(c.visible()));
}

// The record a control's kind gives it; trees have no kind rule, their pages write them.
void appendRecord(Lines& out, const Control& c) {
    if (const auto* box = dynamic_cast<const model::CheckBox*>(&c)) {
        out.push_back(recordHeader(c.name()));
        out.push_back(flag(box->checked()));
        appendStateFlags(out, c);
    } else if (const auto* radio = dynamic_cast<const model::RadioButton*>(&c)) {
        out.push_back(recordHeader(c.name()));
        out.push_back(flag(radio->checked()));
        appendStateFlags(out, c);
    } else if (const auto* combo = dynamic_cast<const model::ComboBox*>(&c)) {
        if (c.tag() == -1)
            return;
        out.push_back(recordHeader(c.name()));
        out.push_back(std::to_string(combo->itemIndex()));
        appendStateFlags(out, c);
    } else if (const auto* list = dynamic_cast<const model::Playlist*>(&c)) {
        out.push_back(recordHeader(c.name()));
        out.insert(out.end(), list->items().begin(), list->items().end());
    } else if (const auto* edit = dynamic_cast<const model::NumericEdit*>(&c)) {
        out.push_back(recordHeader(c.name()));
        out.push_back(edit->text());
        appendStateFlags(out, c);
    } else if (const auto* item = dynamic_cast<const model::MenuItem*>(&c)) {
        out.push_back(recordHeader(c.name()));
        out.push_back(flag(item->checked()));
    } else if (const auto* checks = dynamic_cast<const model::CheckListBox*>(&c)) {
        out.push_back(recordHeader(c.name()));
        for (int i = 0; i < checks->count(); ++i)
            out.push_back(flag(checks->checked(i)));
    } else if (c.kind() == ControlKind::Label && c.tag() != 0) {
        out.push_back(recordHeader(c.name()));
        out.push_back(c.caption());
        appendStateFlags(out, c);
    } else if (c.kind() == ControlKind::Panel && c.tag() != -1) {
        out.push_back(recordHeader(c.name()));
        out.push_back(flag(c.visible()));
    } else if (c.kind() == ControlKind::GroupBox) {
        out.push_back(recordHeader(c.name()));
        out.push_back(flag(c.enabled()));
    }
}

// A line starting with "1" checks the item at its position; other lines leave theirs.
void restoreCheckMarks(model::CheckListBox& checks, const SavedRecord& saved) {
    const Lines body = saved.body();
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (i >= static_cast<std::size_t>(checks.count()))
            throw ConfigDataError("more marks than items in " + checks.name());
        if (!body[i].empty() && body[i][0] == '1')
            checks.setChecked(static_cast<int>(i), true);
    }
}

// The control as T, whose objects all carry `kind`: a control of another kind is passed over
// without the type check (a restore looks at each of the window's controls).
template <class T>
T* asKind(Control& c, ControlKind kind) {
    return c.kind() == kind ? dynamic_cast<T*>(&c) : nullptr;
}

// The rule of a control's kind.
void restore(Control& c, const SavedRecord& saved) {
    if (auto* box = asKind<model::CheckBox>(c, ControlKind::CheckBox)) {
        box->setChecked(saved.flag(1));
        box->setEnabled(saved.flag(2));
    } else if (auto* radio = asKind<model::RadioButton>(c, ControlKind::RadioButton)) {
        radio->setChecked(saved.flag(1));
        radio->setEnabled(saved.flag(2));
    } else if (auto* combo = asKind<model::ComboBox>(c, ControlKind::ComboBox)) {
        if (io::equalIgnoringCase(combo->name(), kDeviceList))
            return;
        combo->setItemIndex(saved.integer(1));
        combo->setEnabled(saved.flag(2));
        combo->setVisible(saved.flag(3));
    } else if (auto* edit = asKind<model::NumericEdit>(c, ControlKind::NumericEdit)) {
        edit->setText(saved.line(1));
        edit->setEnabled(saved.flag(2));
        edit->setVisible(saved.flag(3));
    } else if (auto* item = asKind<model::MenuItem>(c, ControlKind::MenuItem)) {
        item->setChecked(saved.flag(1));
    } else if (auto* checks = asKind<model::CheckListBox>(c, ControlKind::CheckListBox)) {
        restoreCheckMarks(*checks, saved);
    } else if (auto* list = asKind<model::Playlist>(c, ControlKind::Playlist)) {
        list->setItems(saved.body());
    } else if (c.kind() == ControlKind::Label && c.tag() != 0) {
        c.setCaption(saved.line(1));
        c.setEnabled(saved.flag(2));
        c.setVisible(saved.flag(3));
    } else if (c.kind() == ControlKind::Panel) {
        c.setVisible(saved.flag(1));
    } else if (c.kind() == ControlKind::GroupBox) {
        c.setEnabled(saved.flag(1));
    }
}

} // namespace

Lines controlRecord(const Control& control, const Pages& pages) {
    Lines out;
    for (const auto& page : pages)
        if (page->saveRecord(control, out))
            return out;
    appendRecord(out, control);
    return out;
}

Lines replaceRecord(const model::ControlStore& store) {
    const auto* use = dynamic_cast<const model::ToggleButton*>(store.find(kReplaceUseButton));
    const auto* lists = dynamic_cast<const model::ComboBox*>(store.find(kReplaceListSelector));
    return {std::string(kReplaceHeader), flag(use != nullptr && use->down()),
            lists != nullptr ? lists->text() : std::string(), std::string(kEndMarker)};
}

Lines buildConfiguration(const model::ControlStore& store, const profile::DeviceState& device,
                         const Pages& pages) {
    Lines out{std::string(kProfileHeader), device.deviceName};
    for (const Control* c : store.all()) {
        const Lines record = controlRecord(*c, pages);
        out.insert(out.end(), record.begin(), record.end());
    }
    const Lines replace = replaceRecord(store);
    out.insert(out.end(), replace.begin(), replace.end());
    const Lines compiler = compilerRecord(store);
    out.insert(out.end(), compiler.begin(), compiler.end());
    return out;
}

void restoreRecords(const periph::SavedRecords& records, model::ControlStore& store, const Pages& pages) {
    // A copy: handlers run while the records are applied.
    const std::vector<Control*> controls = store.all();
    for (Control* c : controls) {
        const auto saved = records.find(c->name());
        if (!saved) {
            if (auto* item = asKind<model::MenuItem>(*c, ControlKind::MenuItem))
                item->setChecked(false);
            continue;
        }
        bool restored = false;
        for (const auto& page : pages)
            if ((restored = page->restoreRecord(*c, *saved)))
                break;
        if (!restored)
            restore(*c, *saved);
    }
}

Lines compilerRecord(const model::ControlStore& store) {
    const auto* box = dynamic_cast<const model::ComboBox*>(store.find(output::kCompilerComboBox));
    if (box == nullptr || box->itemIndex() != static_cast<int>(output::Compiler::Gcc))
        return {};
    return {std::string(kCompilerHeader), std::string(output::compilerName(output::Compiler::Gcc)),
            std::string(kEndMarker)};
}

output::Compiler compilerChoice(const periph::SavedRecords& records) {
    const auto saved = records.under(kCompilerHeader);
    if (!saved)
        return output::Compiler::Keil;
    return output::compilerNamed(saved->line(1)).value_or(output::Compiler::Keil);
}

std::optional<ReplaceChoice> replaceChoice(const periph::SavedRecords& records) {
    const auto saved = records.under(kReplaceHeader);
    if (!saved)
        return std::nullopt;
    return ReplaceChoice{saved->line(1) == "1", saved->line(2)};
}

} // namespace regforge::config
