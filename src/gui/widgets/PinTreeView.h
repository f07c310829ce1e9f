#pragma once

#include "gui/widgets/PinIcons.h"

#include <QPersistentModelIndex>
#include <QRect>
#include <QString>
#include <QTreeWidget>

class QMenu;
#include <functional>
#include <optional>
#include <string>

namespace regforge::gui::widgets {

// Where on the tree a point lies: the fold button, a row's state icon, its normal icon, or
// elsewhere on the row (Text). None is off every row.
enum class PinTreePart { None, Button, StateIcon, Image, Text };

// The slots of one row, left to right; a slot the row does not show is empty.
struct PinTreeRow {
    QRect stateIcon;
    QRect image;
    QRect text;
};

// A tree whose rows show a state icon, a normal icon (the pull mode of a pin) and plain or bold
// text. The icons come from named image lists and are drawn by our own code. Every mouse
// action is reported with the part of the row it hit and changes nothing by itself: selection,
// folding and the icons follow whoever owns the data. A double click reports once, as a double
// click, after the click of its first press.
class PinTreeView : public QTreeWidget {
    Q_OBJECT

public:
    // Item data (column 0): the state value and the normal-icon value of a row.
    static constexpr int StateRole = Qt::UserRole + 1;
    static constexpr int ImageRole = Qt::UserRole + 2;
    static constexpr int kIconSize = 16;

    explicit PinTreeView(QWidget* parent = nullptr);

    void setImageLists(const QString& stateList, const QString& imageList);
    const QString& stateList() const { return stateList_; }
    const QString& imageList() const { return imageList_; }

    // The pictures a row shows, if any.
    std::optional<PinGlyph> stateGlyph(const QModelIndex& index) const;
    std::optional<PinGlyph> imageGlyph(const QModelIndex& index) const;
    // The slots of the row drawn in `itemRect` (viewport coordinates).
    PinTreeRow rowLayout(const QModelIndex& index, const QRect& itemRect) const;
    // The part under a viewport point, and the item it belongs to.
    PinTreePart partAt(const QPoint& pos, QTreeWidgetItem** item = nullptr) const;
    // Where the tooltip of an icon comes from; an empty text shows none.
    using IconHintSource = std::function<QString(QTreeWidgetItem* item, PinTreePart part)>;
    void setIconHintSource(IconHintSource source) { iconHints_ = std::move(source); }
    // What a key on the current row does, the key written as a key sequence ("Shift+P"); true
    // when it did something. Asked before the tree's own keys.
    using KeyHandler = std::function<bool(QTreeWidgetItem* item, const QString& keys)>;
    void setKeyHandler(KeyHandler handler) { keyHandler_ = std::move(handler); }
    // Fills the context menu of a row; an empty menu is not shown.
    using MenuSource = std::function<void(QTreeWidgetItem* item, QMenu& menu)>;
    void setMenuSource(MenuSource source) { menuSource_ = std::move(source); }

Q_SIGNALS:
    // A left click (press and release on the same row) or a right-button press.
    void partClicked(QTreeWidgetItem* item, widgets::PinTreePart part, Qt::MouseButton button);
    void partDoubleClicked(QTreeWidgetItem* item, widgets::PinTreePart part);
    // The user wants the item folded (expand false) or unfolded.
    void foldRequested(QTreeWidgetItem* item, bool expand, widgets::PinTreePart mouseOver);
    // The space bar, for trees whose owner gives it a meaning.
    void spacePressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void requestToggle(QTreeWidgetItem* item, PinTreePart part);

    QString stateList_;
    QString imageList_;
    std::string stateListName_;
    std::string imageListName_;
    // The left press waiting for its release.
    QPersistentModelIndex pressed_;
    PinTreePart pressedPart_ = PinTreePart::None;
    IconHintSource iconHints_;
    KeyHandler keyHandler_;
    MenuSource menuSource_;
};

} // namespace regforge::gui::widgets
