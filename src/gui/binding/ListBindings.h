#pragma once

#include "gui/binding/Binding.h"
#include "model/ListControls.h"

class QListWidget;
class QString;
class QTableWidget;

namespace regforge::gui::binding {

// A list with a check mark per item.
class CheckListBinding : public Binding {
    Q_OBJECT

public:
    CheckListBinding(model::CheckListBox& list, QWidget* parent);

protected:
    void showItems(int index) override;
    void showValue(int index) override;

private:
    model::CheckListBox& list_;
    QListWidget* view_;
};

// An ordered list with multi-selection; the model keeps the selection and the current item.
class PlaylistBinding : public Binding {
    Q_OBJECT

public:
    PlaylistBinding(model::Playlist& list, QWidget* parent);
    ~PlaylistBinding() override;

protected:
    void showItems(int index) override;
    void showValue(int index) override;

private:
    model::Playlist& list_;
    QListWidget* view_;
    int scrollConnection_ = 0;
};

// A read-only two-column key/value grid selected by whole rows. Selecting a row, double clicks
// and the Delete key go to the model, whose owner changes the rows.
class ValueListBinding : public Binding {
    Q_OBJECT

public:
    ValueListBinding(model::ValueList& list, QWidget* parent);

protected:
    void showItems(int index) override;
    void showValue(int index) override;
    void showCaption() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setCell(int row, int column, const QString& text);

    model::ValueList& list_;
    QTableWidget* table_;
};

} // namespace regforge::gui::binding
