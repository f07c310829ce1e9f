#pragma once

#include "model/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace regforge::model {

// How one item of an owner-drawn list is drawn.
struct ItemStyle {
    Colour colour = kDefaultColour;
    bool bold = false;
    bool operator==(const ItemStyle&) const = default;
};

// A drop-down list. `changed` fires when the selected index (or the typed text of an
// editable combo) changes.
class ComboBox : public Control {
public:
    using ItemStyler = std::function<ItemStyle(int index, const std::string& item)>;

    ComboBox(std::string name, Control* parent) : Control(ControlKind::ComboBox, std::move(name), parent) {}

    const std::vector<std::string>& items() const { return items_; }
    // Replaces the items; the selection is cleared.
    void setItems(std::vector<std::string> items);
    // Adds one item (in sorted position when the combo is sorted); returns its index.
    int addItem(std::string item);
    void clearItems() { setItems({}); }
    int count() const { return static_cast<int>(items_.size()); }

    int itemIndex() const { return itemIndex_; }
    // Out-of-range indexes select nothing (-1).
    void setItemIndex(int index);

    // The selected item's text; for an editable combo, the typed text.
    std::string text() const;
    // Editable combos take any text; list combos select the item with that exact text, or nothing.
    void setText(const std::string& text);

    int indexOf(const std::string& item) const;
    int indexOfIgnoringCase(const std::string& item) const;

    bool sorted() const { return sorted_; }
    // Sorting is case-insensitive; turning it on sorts the present items.
    void setSorted(bool sorted);
    bool editable() const { return editable_; }
    void setEditable(bool editable) { editable_ = editable; }
    int dropDownCount() const { return dropDownCount_; }
    void setDropDownCount(int count) { dropDownCount_ = count; }

    // A filter narrows the list the user picks from without changing its items: an item is
    // shown when every blank-separated word of the filter occurs in it, letter case aside (an
    // empty filter shows all). When the selected item is filtered out, the first shown one is
    // selected, so the closed box never names an item the list hides.
    void setFilter(std::string filter);
    const std::string& filter() const { return filter_; }
    bool shown(int index) const;

    // Owner drawing: the styler decides each item's colour and weight; restyle() asks views
    // to draw the items again after what the styler looks at has changed.
    void setItemStyler(ItemStyler styler);
    ItemStyle itemStyle(int index) const;
    void restyle() { notifyView(Aspect::Items); }

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    std::string editText_;
    std::string filter_;
    bool sorted_ = false;
    bool editable_ = false;
    int dropDownCount_ = 8;
    ItemStyler styler_;
};

} // namespace regforge::model
