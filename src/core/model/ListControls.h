#pragma once

#include "model/Control.h"

#include <string>
#include <vector>

namespace regforge::model {

// A list of items with a check mark each (the open-drain list).
class CheckListBox : public Control {
public:
    CheckListBox(std::string name, Control* parent)
        : Control(ControlKind::CheckListBox, std::move(name), parent) {}
    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    // Replaces the items; every mark is cleared.
    void setItems(std::vector<std::string> items);
    bool checked(int index) const;
    // Out-of-range indexes are ignored.
    void setChecked(int index, bool checked);

private:
    std::vector<std::string> items_;
    std::vector<bool> checked_;
};

// An ordered list with multi-selection (the interrupt slot list).
class Playlist : public Control {
public:
    Playlist(std::string name, Control* parent) : Control(ControlKind::Playlist, std::move(name), parent) {}
    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    void setItems(std::vector<std::string> items);
    void setItem(int index, std::string text);
    void addItem(std::string text);
    void removeItem(int index);
    bool selected(int index) const;
    void setSelected(int index, bool selected);
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);

    // Each entry shows its number, index + numberOffset (the fast interrupt entry reads "-1").
    bool numbersShown() const { return numbersShown_; }
    void setNumbersShown(bool shown);
    int numberOffset() const { return numberOffset_; }
    void setNumberOffset(int offset) { numberOffset_ = offset; }
    // Asks the views to show the entry at the top.
    void scrollTo(int topIndex) { scrollRequested.emit(topIndex); }
    Signal<int> scrollRequested;

private:
    void itemsChanged(int index);

    std::vector<std::string> items_;
    std::vector<bool> selected_;
    int itemIndex_ = -1;
    bool numbersShown_ = true;
    int numberOffset_ = 0;
};

// Multi-line text (the result text).
class Memo : public Control {
public:
    Memo(std::string name, Control* parent) : Control(ControlKind::Memo, std::move(name), parent) {}
    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines);
    void clear() { setLines({}); }
    // The lines joined with "\n".
    std::string text() const;

private:
    std::vector<std::string> lines_;
};

// A two-column key/value grid (the replace-list editor). The grid is read-only: the owner
// edits the rows in reply to the user's gestures, which the grid only reports.
class ValueList : public Control {
public:
    struct Row {
        std::string key;
        std::string value;
        bool operator==(const Row&) const = default;
    };
    ValueList(std::string name, Control* parent) : Control(ControlKind::ValueList, std::move(name), parent) {}
    const std::vector<Row>& rows() const { return rows_; }
    // Replaces the rows; the selected row is kept when it still exists, else the last row.
    void setRows(std::vector<Row> rows);
    void clear() { setRows({}); }

    const std::string& keyTitle() const { return keyTitle_; }
    const std::string& valueTitle() const { return valueTitle_; }
    void setTitles(std::string keyTitle, std::string valueTitle);

    // The row drawn selected, 0-based over the rows; 0 when there are none.
    int selectedRow() const { return selectedRow_; }
    void setSelectedRow(int row);

    // The user's gestures. The row of selectCell counts the title row as row 0, as the grid does.
    void selectCell(int gridRow) { cellSelected.emit(gridRow); }
    void doubleClick() { doubleClicked.emit(); }
    void pressDelete() { deletePressed.emit(); }
    Signal<int> cellSelected;
    Signal<> doubleClicked;
    Signal<> deletePressed;

private:
    std::vector<Row> rows_;
    std::string keyTitle_ = "Key";
    std::string valueTitle_ = "Value";
    int selectedRow_ = 0;
};

} // namespace regforge::model
