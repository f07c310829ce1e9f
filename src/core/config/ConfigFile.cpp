#include "config/ConfigFile.h"

#include "io/AsciiCase.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/ListControls.h"
#include "model/NumberText.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"

#include <array>
#include <memory>
#include <unordered_map>

namespace regforge::config {

namespace {

using model::Control;
using model::ControlKind;

// The two trees whose nodes carry settings: the pin tree keeps image, state and
// selected-image index per node, the GPIO interrupt tree its state index only.
constexpr std::string_view kPinTree = "IO_Treeview";
constexpr std::string_view kGpioInterruptTree = "GPIOISR_TreeView";
// The GPIO interrupt tree's edge/level images (5 edge, 6 level), one line per node. A record of
// its own after the tree's, so files without it load as before.
constexpr std::string_view kGpioEdgeLevelRecord = "GPIOISR_TreeView_EdgeLevel";
constexpr int kEdgeImage = 5;
constexpr int kLevelImage = 6;

// Combos that are never restored from a file: the device list and the interrupt sources.
constexpr std::array<std::string_view, 2> kUnrestoredCombos = {"mcu_ComboBox", "ISR_ComboBox"};
// External-interrupt mode and polarity combos: their two item texts travel with the file,
// because the device decides them.
constexpr int kExtIntComboFirstTag = 80;
constexpr int kExtIntComboLastTag = 87;
// Their change handlers stay detached while a file is applied.
constexpr std::array<std::string_view, 4> kExtModeCombos = {"EXTMODE0_combo", "EXTMODE1_combo",
                                                            "EXTMODE2_combo", "EXTMODE3_combo"};
// Checked before the records are applied so their handlers set up the A/D pages; the records
// then give the saved values.
constexpr std::array<std::string_view, 4> kBurstBoxes = {"burst0", "burst1", "burst2", "burst3"};
// Both visible: the interrupt list has fixed vector slots (item 0 the fast interrupt).
constexpr std::string_view kFastIrqButton = "SpeedButton5";
constexpr std::string_view kVectorIrqButton = "SpeedButton6";
constexpr std::string_view kEmptySlot = " ";

constexpr std::string_view kReplaceUseButton = "ReplaceUseButton";
constexpr std::string_view kReplaceListSelector = "ReplaceFileSelectComboBox";

std::string flag(bool on) {
    return on ? "1" : "0";
}

std::string headerOf(std::string_view name) {
    std::string header = "[";
    header += name;
    header += ']';
    return header;
}

bool isExtIntCombo(const Control& c) {
    return c.tag() >= kExtIntComboFirstTag && c.tag() <= kExtIntComboLastTag;
}

void appendStateFlags(Lines& out, const Control& c) {
    out.push_back(flag(c.enabled()));
    out.push_back(flag(c.visible()));
}

void appendTree(Lines& out, const model::Tree& tree) {
    if (io::equalIgnoringCase(tree.name(), kPinTree)) {
        out.push_back(headerOf(tree.name()));
        for (const auto& node : tree.nodes()) {
            out.push_back(std::to_string(node.imageIndex));
            out.push_back(std::to_string(node.stateIndex));
            out.push_back(std::to_string(node.selectedIndex));
        }
    } else if (io::equalIgnoringCase(tree.name(), kGpioInterruptTree)) {
        out.push_back(headerOf(tree.name()));
        for (const auto& node : tree.nodes())
            out.push_back(std::to_string(node.stateIndex));
        out.push_back(headerOf(kGpioEdgeLevelRecord));
        for (const auto& node : tree.nodes())
            out.push_back(std::to_string(node.imageIndex));
    }
}

void appendRecord(Lines& out, const Control& c, const profile::DeviceState& device) {
    if (const auto* box = dynamic_cast<const model::CheckBox*>(&c)) {
        out.push_back(headerOf(c.name()));
        out.push_back(flag(box->checked()));
        appendStateFlags(out, c);
    } else if (const auto* radio = dynamic_cast<const model::RadioButton*>(&c)) {
        out.push_back(headerOf(c.name()));
        out.push_back(flag(radio->checked()));
        appendStateFlags(out, c);
    } else if (const auto* combo = dynamic_cast<const model::ComboBox*>(&c)) {
        if (c.tag() == -1)
            return;
        out.push_back(headerOf(c.name()));
        out.push_back(std::to_string(combo->itemIndex()));
        appendStateFlags(out, c);
        if (isExtIntCombo(c)) {
            // Every record of a kind has the same length, so a short item list writes blanks.
            for (std::size_t i = 0; i < 2; ++i)
                out.push_back(i < combo->items().size() ? combo->items()[i] : std::string());
        }
    } else if (const auto* list = dynamic_cast<const model::Playlist*>(&c)) {
        out.push_back(headerOf(c.name()));
        out.insert(out.end(), list->items().begin(), list->items().end());
    } else if (const auto* edit = dynamic_cast<const model::NumericEdit*>(&c)) {
        out.push_back(headerOf(c.name()));
        out.push_back(edit->text());
        appendStateFlags(out, c);
    } else if (const auto* tree = dynamic_cast<const model::Tree*>(&c)) {
        appendTree(out, *tree);
    } else if (const auto* item = dynamic_cast<const model::MenuItem*>(&c)) {
        out.push_back(headerOf(c.name()));
        out.push_back(flag(item->checked()));
    } else if (const auto* checks = dynamic_cast<const model::CheckListBox*>(&c)) {
        // With IOCON the open-drain marks live in the pin tree.
        if (device.hasIocon)
            return;
        out.push_back(headerOf(c.name()));
        for (int i = 0; i < checks->count(); ++i)
            out.push_back(flag(checks->checked(i)));
    } else if (c.kind() == ControlKind::Label && c.tag() != 0) {
        out.push_back(headerOf(c.name()));
        out.push_back(c.caption());
        appendStateFlags(out, c);
    } else if (c.kind() == ControlKind::Panel && c.tag() != -1) {
        out.push_back(headerOf(c.name()));
        out.push_back(flag(c.visible()));
    } else if (c.kind() == ControlKind::GroupBox) {
        out.push_back(headerOf(c.name()));
        out.push_back(flag(c.enabled()));
    }
}

// One record of the file: the lines after its header, counted from 1.
class Record {
public:
    Record(const Lines& file, std::size_t header) : file_(file), header_(header) {}

    const std::string& line(std::size_t n) const {
        if (header_ + n >= file_.size())
            throw ConfigDataError("record " + file_[header_] + " ends early");
        return file_[header_ + n];
    }
    bool flag(std::size_t n) const { return line(n) == "1"; }
    int integer(std::size_t n) const {
        const auto value = model::parseInt32(line(n));
        if (!value)
            throw ConfigDataError("\"" + line(n) + "\" in record " + file_[header_] + " is not a number");
        return *value;
    }
    // The lines up to the next line starting with "[".
    Lines body() const {
        Lines out;
        for (std::size_t i = header_ + 1; i < file_.size() && (file_[i].empty() || file_[i][0] != '['); ++i)
            out.push_back(file_[i]);
        return out;
    }

private:
    const Lines& file_;
    std::size_t header_;
};

class Restorer {
public:
    Restorer(const Lines& file, model::ControlStore& store, ui::Ui& ui, const RestoreHooks& hooks)
        : file_(file), store_(store), ui_(ui), hooks_(hooks) {
        for (std::size_t i = 0; i < file_.size(); ++i)
            if (!file_[i].empty() && file_[i][0] == '[')
                headers_.emplace(io::toLowerAscii(file_[i]), i); // the first occurrence counts
    }

    bool run() {
        std::vector<std::unique_ptr<model::MuteGuard>> detached;
        for (const auto name : kExtModeCombos)
            if (Control* combo = store_.find(name))
                detached.push_back(std::make_unique<model::MuteGuard>(*combo));
        try {
            restorePinTree();
            restoreGpioInterruptTree();
            prepareForRecords();
            restoreReplaceList();
            restoreControls();
            if (hooks_.refreshClocks)
                hooks_.refreshClocks();
        } catch (const regforge::Error&) {
            ui_.message("Error ", "There was an error loading the file data", ui::Icon::Error,
                        ui::Buttons::Ok);
            return false;
        }
        return true;
    }

private:
    std::optional<Record> record(std::string_view name) const { return recordUnder(headerOf(name)); }
    std::optional<Record> recordUnder(std::string_view header) const {
        const auto it = headers_.find(io::toLowerAscii(header));
        if (it == headers_.end())
            return std::nullopt;
        return Record(file_, it->second);
    }

    template <class T>
    T* find(std::string_view name) const {
        return dynamic_cast<T*>(store_.find(name));
    }

    // Node values are restored by position; no tree handler runs for them.
    void restorePinTree() {
        auto* tree = find<model::Tree>(kPinTree);
        if (tree == nullptr || tree->count() == 0)
            return;
        const auto saved = record(kPinTree);
        if (!saved)
            throw ConfigDataError("no pin tree record");
        model::MuteGuard quiet(*tree);
        for (int i = 0; i < tree->count(); ++i) {
            const auto first = static_cast<std::size_t>(i) * 3;
            tree->setImageIndex(i, saved->integer(first + 1));
            tree->setStateIndex(i, saved->integer(first + 2));
            tree->setSelectedIndex(i, saved->integer(first + 3));
        }
    }

    void restoreGpioInterruptTree() {
        auto* tree = find<model::Tree>(kGpioInterruptTree);
        const auto saved = record(kGpioInterruptTree);
        if (tree == nullptr || !saved)
            return;
        model::MuteGuard quiet(*tree);
        for (int i = 0; i < tree->count(); ++i)
            tree->setStateIndex(i, saved->integer(static_cast<std::size_t>(i) + 1));
        // Only an edge or a level image is taken: other values leave the node as loaded.
        if (const auto images = record(kGpioEdgeLevelRecord)) {
            for (int i = 0; i < tree->count(); ++i) {
                const int image = images->integer(static_cast<std::size_t>(i) + 1);
                if (image == kEdgeImage || image == kLevelImage)
                    tree->setImageIndex(i, image);
            }
        }
    }

    void prepareForRecords() {
        for (const auto name : kBurstBoxes)
            if (auto* burst = find<model::CheckBox>(name))
                burst->setChecked(true);
        if (auto* use = find<model::ToggleButton>(kReplaceUseButton)) {
            use->setDown(false);
            use->setFontColour(model::kDefaultColour);
        }
        if (hooks_.forgetReplaceList)
            hooks_.forgetReplaceList();
        if (hooks_.scanReplaceLists)
            hooks_.scanReplaceLists();
    }

    void restoreReplaceList() {
        const auto saved = recordUnder(kReplaceHeader);
        auto* lists = find<model::ComboBox>(kReplaceListSelector);
        if (!saved || lists == nullptr)
            return;
        const std::string& name = saved->line(2);
        const int index = lists->indexOfIgnoringCase(name);
        lists->setItemIndex(index);
        if (index < 0) {
            if (!name.empty())
                ui_.message("File missing",
                            "The replace file \"" + name + "\" is missing and can't be loaded",
                            ui::Icon::Warning, ui::Buttons::Ok);
            return;
        }
        const bool loaded = hooks_.loadReplaceList && hooks_.loadReplaceList();
        if (loaded && saved->line(1) == "1" && hooks_.toggleReplaceUse)
            hooks_.toggleReplaceUse();
    }

    void restoreControls() {
        // A copy: handlers run while the records are applied.
        const std::vector<Control*> controls = store_.all();
        for (Control* c : controls) {
            const auto saved = record(c->name());
            if (saved)
                restore(*c, *saved);
            else if (auto* item = dynamic_cast<model::MenuItem*>(c))
                item->setChecked(false);
        }
    }

    void restore(Control& c, const Record& saved) {
        if (auto* box = dynamic_cast<model::CheckBox*>(&c)) {
            box->setChecked(saved.flag(1));
            box->setEnabled(saved.flag(2));
        } else if (auto* radio = dynamic_cast<model::RadioButton*>(&c)) {
            radio->setChecked(saved.flag(1));
            radio->setEnabled(saved.flag(2));
        } else if (auto* combo = dynamic_cast<model::ComboBox*>(&c)) {
            restoreCombo(*combo, saved);
        } else if (auto* edit = dynamic_cast<model::NumericEdit*>(&c)) {
            edit->setText(saved.line(1));
            edit->setEnabled(saved.flag(2));
            edit->setVisible(saved.flag(3));
        } else if (auto* item = dynamic_cast<model::MenuItem*>(&c)) {
            item->setChecked(saved.flag(1));
        } else if (auto* checks = dynamic_cast<model::CheckListBox*>(&c)) {
            restoreCheckMarks(*checks, saved);
        } else if (auto* list = dynamic_cast<model::Playlist*>(&c)) {
            restoreInterruptList(*list, saved);
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

    void restoreCombo(model::ComboBox& combo, const Record& saved) {
        for (const auto name : kUnrestoredCombos)
            if (io::equalIgnoringCase(combo.name(), name))
                return;
        if (isExtIntCombo(combo))
            combo.setItems({saved.line(4), saved.line(5)});
        combo.setItemIndex(saved.integer(1));
        combo.setEnabled(saved.flag(2));
        combo.setVisible(saved.flag(3));
    }

    // A line starting with "1" checks the item at its position; other lines leave theirs.
    static void restoreCheckMarks(model::CheckListBox& checks, const Record& saved) {
        const Lines body = saved.body();
        for (std::size_t i = 0; i < body.size(); ++i) {
            if (i >= static_cast<std::size_t>(checks.count()))
                throw ConfigDataError("more marks than items in " + checks.name());
            if (!body[i].empty() && body[i][0] == '1')
                checks.setChecked(static_cast<int>(i), true);
        }
    }

    void restoreInterruptList(model::Playlist& list, const Record& saved) {
        const Lines body = saved.body();
        const auto* fastIrq = store_.find(kFastIrqButton);
        const auto* vectorIrq = store_.find(kVectorIrqButton);
        const bool fixedSlots =
            fastIrq != nullptr && vectorIrq != nullptr && fastIrq->visible() && vectorIrq->visible();
        if (!fixedSlots) {
            list.setItems(body);
            return;
        }
        // The fixed-slot list keeps its length: the fast interrupt entry first, then each
        // source in the vector slot its device records for it.
        if (body.empty())
            return;
        if (list.count() == 0)
            throw ConfigDataError("the interrupt list has no fast interrupt entry");
        list.setItem(0, body[0]);
        if (!hooks_.vectorSlot)
            return;
        for (std::size_t i = 1; i < body.size(); ++i) {
            if (body[i] == kEmptySlot)
                continue;
            const auto slot = hooks_.vectorSlot(body[i]);
            if (!slot || *slot < 0 || *slot + 1 >= list.count())
                throw ConfigDataError("no vector slot for " + body[i]);
            list.setItem(*slot + 1, body[i]);
        }
    }

    const Lines& file_;
    model::ControlStore& store_;
    ui::Ui& ui_;
    const RestoreHooks& hooks_;
    std::unordered_map<std::string, std::size_t> headers_;
};

} // namespace

Lines controlRecord(const Control& control, const profile::DeviceState& device) {
    Lines out;
    appendRecord(out, control, device);
    return out;
}

Lines replaceRecord(const model::ControlStore& store) {
    const auto* use = dynamic_cast<const model::ToggleButton*>(store.find(kReplaceUseButton));
    const auto* lists = dynamic_cast<const model::ComboBox*>(store.find(kReplaceListSelector));
    return {std::string(kReplaceHeader), flag(use != nullptr && use->down()),
            lists != nullptr ? lists->text() : std::string(), std::string(kEndMarker)};
}

Lines buildConfiguration(const model::ControlStore& store, const profile::DeviceState& device) {
    Lines out{std::string(kProfileHeader), device.deviceName};
    for (const Control* c : store.all())
        appendRecord(out, *c, device);
    const Lines replace = replaceRecord(store);
    out.insert(out.end(), replace.begin(), replace.end());
    return out;
}

bool restoreConfiguration(const Lines& file, model::ControlStore& store, ui::Ui& ui,
                          const RestoreHooks& hooks) {
    return Restorer(file, store, ui, hooks).run();
}

} // namespace regforge::config
