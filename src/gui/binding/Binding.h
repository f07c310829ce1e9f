#pragma once

#include "model/Control.h"

#include <QObject>
#include <QPalette>
#include <QPointer>

class QMenu;
class QWidget;

namespace regforge::gui::binding {

// Keeps one model control and the Qt object showing it in step. The model's viewChanged
// redraws the widget with the widget's own signals blocked, so a redraw never reads as a
// user action; user actions go to the model's setters or click(), which run the handlers.
// One subclass per kind of control: a binding knows how a kind looks, never what a
// particular control means.
class Binding : public QObject {
    Q_OBJECT

public:
    Binding(model::Control& control, QObject* object);
    ~Binding() override;
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    model::Control& control() const { return control_; }
    // The widget or action that carries the control's name.
    QObject* object() const { return object_; }
    // The widget, or nullptr when the control is shown by an action.
    QWidget* widget() const;

    // Where the widgets of the control's children are created.
    virtual QWidget* childHost() const { return widget(); }
    // Where the actions of child menu items go (popup menus and items with sub-items).
    virtual QMenu* childMenu() const { return nullptr; }
    // Called once per child after the child's binding exists (page controls add tabs here).
    virtual void adoptChild(Binding& child);

    // Starts following the model and shows its present state. Called once, after construction.
    void attach();

protected:
    // Redraws one aspect; the defaults handle visibility, enabling, hint, font colour and bold.
    virtual void showVisible(bool visible);
    virtual void showEnabled(bool enabled);
    virtual void showCaption();
    virtual void showValue(int /*index*/) {}
    virtual void showItems(int /*index*/) {}
    virtual void showNode(int /*index*/) {}
    virtual void showLimits() {}
    virtual void showGeometry() {}

    // Runs a user action on the model and then shows the model's value again: the model may
    // refuse the change or make a different one than the widget made on its own.
    template <class Action>
    void userAction(Action&& action) {
        action();
        redraw(model::Aspect::Value, -1);
    }

    // Left-button clicks on the widget run the control's click (labels, panels, shapes).
    void forwardClicks() { forwardClicks_ = true; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void redraw(model::Aspect aspect, int index);

    model::Control& control_;
    QPointer<QObject> object_;
    QPalette basePalette_;
    bool paletteChanged_ = false;
    bool forwardClicks_ = false;
    int viewConnection_ = 0;
};

} // namespace regforge::gui::binding
