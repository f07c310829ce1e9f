#include "model/ListControls.h"

#include <algorithm>

namespace regforge::model {

namespace {
bool inRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}
} // namespace

void CheckListBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    checked_.assign(items_.size(), false);
    notifyView(Aspect::Items);
    valueChanged();
}

bool CheckListBox::checked(int index) const {
    return inRange(index, checked_.size()) && checked_[index];
}

void CheckListBox::setChecked(int index, bool checked) {
    if (!inRange(index, checked_.size()) || checked_[index] == checked)
        return;
    checked_[index] = checked;
    valueChanged();
}

void Playlist::setItems(std::vector<std::string> items) {
    const bool same = items_ == items;
    items_ = std::move(items);
    selected_.assign(items_.size(), false);
    itemIndex_ = -1;
    if (same)
        notifyView(Aspect::Items);
    else
        itemsChanged(-1);
}

// A change of the entries is a change of the set-up: `changed` fires as for a value.
void Playlist::itemsChanged(int index) {
    notifyView(Aspect::Items, index);
    if (!muted())
        changed.emit(*this);
}

void Playlist::setNumbersShown(bool shown) {
    if (numbersShown_ == shown)
        return;
    numbersShown_ = shown;
    notifyView(Aspect::Items);
}

void Playlist::setItem(int index, std::string text) {
    if (!inRange(index, items_.size()) || items_[index] == text)
        return;
    items_[index] = std::move(text);
    itemsChanged(index);
}

void Playlist::addItem(std::string text) {
    items_.push_back(std::move(text));
    selected_.push_back(false);
    notifyView(Aspect::Items);
}

void Playlist::removeItem(int index) {
    if (!inRange(index, items_.size()))
        return;
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (itemIndex_ == index)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
    notifyView(Aspect::Items);
}

bool Playlist::selected(int index) const {
    return inRange(index, selected_.size()) && selected_[index];
}

void Playlist::setSelected(int index, bool selected) {
    if (!inRange(index, selected_.size()) || selected_[index] == selected)
        return;
    selected_[index] = selected;
    notifyView(Aspect::Value, index);
}

void Playlist::setItemIndex(int index) {
    if (!inRange(index, items_.size()))
        index = -1;
    if (itemIndex_ == index)
        return;
    itemIndex_ = index;
    valueChanged();
}

void Memo::setLines(std::vector<std::string> lines) {
    if (lines_ == lines)
        return;
    lines_ = std::move(lines);
    valueChanged();
}

std::string Memo::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0)
            out += '\n';
        out += lines_[i];
    }
    return out;
}

void ValueList::setRows(std::vector<Row> rows) {
    if (rows_ == rows)
        return;
    rows_ = std::move(rows);
    selectedRow_ = std::clamp(selectedRow_, 0, std::max(0, static_cast<int>(rows_.size()) - 1));
    notifyView(Aspect::Items);
    valueChanged();
}

void ValueList::setTitles(std::string keyTitle, std::string valueTitle) {
    keyTitle_ = std::move(keyTitle);
    valueTitle_ = std::move(valueTitle);
    notifyView(Aspect::Caption);
}

void ValueList::setSelectedRow(int row) {
    row = std::clamp(row, 0, std::max(0, static_cast<int>(rows_.size()) - 1));
    if (row == selectedRow_)
        return;
    selectedRow_ = row;
    notifyView(Aspect::Value);
}

} // namespace regforge::model
