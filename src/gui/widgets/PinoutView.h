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
// model makes the choice, as the pin tree would.
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

private:
    struct Placed {
        QRect box;
        QRect label;
        int side = 0; // 0 left, 1 bottom, 2 right, 3 top, 4 a grid ball
    };
    void place();
    QSize readableSize() const;
    int pinAt(const QPoint& point) const;
    void offerFunctions(std::size_t index, const QPoint& at);

    periph::io::PinoutModel& model_;
    std::vector<Placed> placed_;
    QRect body_;
};

} // namespace regforge::gui::widgets
