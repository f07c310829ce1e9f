#pragma once

#include <QLayout>
#include <QList>

namespace regforge::gui::pages {

// Unit blocks side by side in as many equal columns as the width holds (each column at least as
// wide as the widest block needs), row after row; one column where the page is narrow. Hidden
// blocks take no cell. Rows whose blocks can grow share the height left over.
class ColumnFlowLayout : public QLayout {
public:
    explicit ColumnFlowLayout(QWidget* parent = nullptr, int spacing = 14);
    ~ColumnFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;

    // How many columns `width` holds for the blocks shown now.
    int columnsFor(int width) const;

private:
    QList<QLayoutItem*> shownItems() const;
    int widestMinimum(const QList<QLayoutItem*>& items) const;
    // The height of each row at `width`, before any left-over height is shared out.
    QList<int> rowHeights(const QList<QLayoutItem*>& items, int columns, int columnWidth) const;
    int columnWidth(int width, int columns) const;

    QList<QLayoutItem*> items_;
    int spacing_;
};

} // namespace regforge::gui::pages
