#include "model/ComboBox.h"

#include "io/AsciiCase.h"

#include <algorithm>

namespace regforge::model {

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (sorted_)
        std::stable_sort(items_.begin(), items_.end(), io::lessIgnoringCase);
    notifyView(Aspect::Items);
    if (itemIndex_ != -1) {
        itemIndex_ = -1;
        editText_.clear();
        valueChanged();
    }
}

int ComboBox::addItem(std::string item) {
    auto pos = items_.end();
    if (sorted_)
        pos = std::upper_bound(items_.begin(), items_.end(), item, io::lessIgnoringCase);
    const int index = static_cast<int>(pos - items_.begin());
    items_.insert(pos, std::move(item));
    if (itemIndex_ >= index)
        ++itemIndex_;
    notifyView(Aspect::Items);
    return index;
}

void ComboBox::setItemIndex(int index) {
    if (index < 0 || index >= count())
        index = -1;
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    editText_ = index >= 0 ? items_[static_cast<std::size_t>(index)] : std::string();
    valueChanged();
}

std::string ComboBox::text() const {
    if (editable_)
        return editText_;
    return itemIndex_ >= 0 ? items_[static_cast<std::size_t>(itemIndex_)] : std::string();
}

void ComboBox::setText(const std::string& text) {
    const int index = indexOf(text);
    if (!editable_) {
        setItemIndex(index);
        return;
    }
    if (editText_ == text && itemIndex_ == index)
        return;
    editText_ = text;
    itemIndex_ = index;
    valueChanged();
}

int ComboBox::indexOf(const std::string& item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int ComboBox::indexOfIgnoringCase(const std::string& item) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (io::equalIgnoringCase(items_[i], item))
            return static_cast<int>(i);
    return -1;
}

void ComboBox::setItemStyler(ItemStyler styler) {
    styler_ = std::move(styler);
    restyle();
}

ItemStyle ComboBox::itemStyle(int index) const {
    if (!styler_ || index < 0 || index >= count())
        return {};
    return styler_(index, items_[static_cast<std::size_t>(index)]);
}

void ComboBox::setFilter(std::string filter) {
    if (filter == filter_)
        return;
    filter_ = std::move(filter);
    notifyView(Aspect::Items);
    if (itemIndex_ >= 0 && shown(itemIndex_))
        return;
    for (int i = 0; i < count(); ++i)
        if (shown(i)) {
            setItemIndex(i);
            return;
        }
}

bool ComboBox::shown(int index) const {
    if (index < 0 || index >= count())
        return false;
    const std::string item = io::toLowerAscii(items_[static_cast<std::size_t>(index)]);
    const std::string filter = io::toLowerAscii(filter_);
    for (std::size_t at = filter.find_first_not_of(' '); at != std::string::npos;
         at = filter.find_first_not_of(' ', at)) {
        const auto end = std::min(filter.find(' ', at), filter.size());
        if (item.find(filter.substr(at, end - at)) == std::string::npos)
            return false;
        at = end;
    }
    return true;
}

void ComboBox::setSorted(bool sorted) {
    sorted_ = sorted;
    if (sorted_) {
        const std::string selected = text();
        std::stable_sort(items_.begin(), items_.end(), io::lessIgnoringCase);
        itemIndex_ = itemIndex_ >= 0 ? indexOf(selected) : -1;
        notifyView(Aspect::Items);
    }
}

} // namespace regforge::model
