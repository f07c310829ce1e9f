#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

namespace regforge::periph::io {
class PinoutModel;
}

namespace regforge::gui::widgets {

// The package drawn from the pin-out model: four sides of numbered pins round the body (LQFP,
// HVQFN) or a grid of balls (BGA), each pin in its state's colour with its name beside it. A
// hover names the pin's functions and choice; a click offers its functions as a menu and the
// model makes the choice, as the pin tree would. The keyboard moves a focus mark between the
// pins (the model decides where each key goes) and opens the same menu on the marked pin.
class PinoutView : public QWidget {
    Q_OBJECT

public:
    explicit PinoutView(periph::io::PinoutModel& model, QWidget* parent = nullptr);

    // The model changed: the pins are placed and drawn again.
    void modelChanged();
    // Where pin `index` is drawn (tests and the menu's position).
    QRect pinRect(std::size_t index) const;
    QSize sizeHint() const override;
    // Large enough that every pin's number and name stay readable: the window scrolls a large
    // package rather than shrink it.
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The user chose from a pin's menu; the view's owner settles the event.
    void pinChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Placed {
        QRect box;
        QRect label;
        int side = 0; // as the model places the pin
    };
    void place();
    QSize readableSize() const;
    int pinAt(const QPoint& point) const;
    void offerFunctions(std::size_t index, const QPoint& at);
    // The keyboard's menu: the marked pin's functions (the first pin's before any is marked).
    void offerFocused();
    // A key pressed on the view: a move of the focus mark or the marked pin's menu; false when
    // the key is none of the view's.
    bool useKey(const QKeyEvent& event);
    // The focus mark moved: it is drawn there and the pin's tip shows beside it.
    void focusMoved();

    periph::io::PinoutModel& model_;
    std::vector<Placed> placed_;
    QRect body_;
};

} // namespace regforge::gui::widgets
