#include "gui/binding/ListBindings.h"

#include "gui/binding/Windows1252.h"
#include "gui/widgets/CheckListDelegate.h"
#include "gui/widgets/SlotNumberDelegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QTableWidget>
#include <vector>

namespace regforge::gui::binding {

CheckListBinding::CheckListBinding(model::CheckListBox& list, QWidget* parent)
    : Binding(list, new QListWidget(parent)), list_(list), view_(static_cast<QListWidget*>(widget())) {
    view_->setItemDelegate(new widgets::CheckListDelegate(view_));
    connect(view_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int row = view_->row(item);
        userAction([&] { list_.setChecked(row, item->checkState() == Qt::Checked); });
    });
}

void CheckListBinding::showItems(int /*index*/) {
    view_->clear();
    // Each row is made whole before the list takes it: a row changed inside the list costs a
    // search of the list, which for a device with many pins adds up to the square of their count.
    int row = 0;
    for (const auto& text : list_.items()) {
        auto* item = new QListWidgetItem(fromWindows1252(text));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(list_.checked(row++) ? Qt::Checked : Qt::Unchecked);
        view_->addItem(item);
    }
}

void CheckListBinding::showValue(int /*index*/) {
    for (int row = 0; row < view_->count(); ++row)
        view_->item(row)->setCheckState(list_.checked(row) ? Qt::Checked : Qt::Unchecked);
}

PlaylistBinding::PlaylistBinding(model::Playlist& list, QWidget* parent)
    : Binding(list, new QListWidget(parent)), list_(list), view_(static_cast<QListWidget*>(widget())) {
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setItemDelegate(new widgets::SlotNumberDelegate(view_));
    scrollConnection_ = list_.scrollRequested.connect([this](int top) {
        if (QListWidgetItem* item = view_->item(top))
            view_->scrollToItem(item, QAbstractItemView::PositionAtTop);
    });
    connect(view_, &QListWidget::itemSelectionChanged, this, [this] {
        // Read the whole selection first: every model change redraws the list.
        std::vector<bool> selected;
        for (int row = 0; row < view_->count(); ++row)
            selected.push_back(view_->item(row)->isSelected());
        userAction([&] {
            for (std::size_t row = 0; row < selected.size(); ++row)
                list_.setSelected(static_cast<int>(row), selected[row]);
        });
    });
    connect(view_, &QListWidget::currentRowChanged, this,
            [this](int row) { userAction([&] { list_.setItemIndex(row); }); });
}

PlaylistBinding::~PlaylistBinding() {
    list_.scrollRequested.disconnect(scrollConnection_);
}

void PlaylistBinding::showItems(int /*index*/) {
    view_->clear();
    int number = list_.numberOffset();
    for (const auto& text : list_.items()) {
        auto* item = new QListWidgetItem(fromWindows1252(text), view_);
        if (list_.numbersShown())
            item->setData(widgets::SlotNumberDelegate::NumberRole, number);
        ++number;
    }
    showValue(-1);
}

void PlaylistBinding::showValue(int /*index*/) {
    for (int row = 0; row < view_->count(); ++row)
        view_->item(row)->setSelected(list_.selected(row));
    if (view_->currentRow() != list_.itemIndex())
        view_->setCurrentRow(list_.itemIndex(), QItemSelectionModel::NoUpdate);
}

ValueListBinding::ValueListBinding(model::ValueList& list, QWidget* parent)
    : Binding(list, new QTableWidget(0, 2, parent)), list_(list),
      table_(static_cast<QTableWidget*>(widget())) {
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->installEventFilter(this);
    // The model counts the title row as row 0, as the grid it stands for does.
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row >= 0 && row != previousRow)
            userAction([&] { list_.selectCell(row + 1); });
    });
    connect(table_, &QTableWidget::cellDoubleClicked, this,
            [this](int, int) { userAction([&] { list_.doubleClick(); }); });
}

bool ValueListBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        userAction([&] { list_.pressDelete(); });
        return true;
    }
    return Binding::eventFilter(watched, event);
}

void ValueListBinding::showCaption() {
    Binding::showCaption();
    table_->setHorizontalHeaderLabels(
        {fromWindows1252(list_.keyTitle()), fromWindows1252(list_.valueTitle())});
}

void ValueListBinding::showItems(int /*index*/) {
    showValue(-1);
}

void ValueListBinding::showValue(int /*index*/) {
    const auto& rows = list_.rows();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        setCell(static_cast<int>(i), 0, fromWindows1252(rows[i].key));
        setCell(static_cast<int>(i), 1, fromWindows1252(rows[i].value));
    }
    if (!rows.empty() && table_->currentRow() != list_.selectedRow())
        table_->setCurrentCell(list_.selectedRow(), 0);
    if (!rows.empty())
        table_->selectRow(list_.selectedRow());
}

void ValueListBinding::setCell(int row, int column, const QString& text) {
    // Items are updated in place: the redraw can run while the user's edit of that very
    // cell is being reported.
    if (QTableWidgetItem* item = table_->item(row, column)) {
        if (item->text() != text)
            item->setText(text);
        return;
    }
    table_->setItem(row, column, new QTableWidgetItem(text));
}

} // namespace regforge::gui::binding
