#include "gui/binding/Binding.h"

#include "gui/binding/Caption.h"
#include "gui/binding/Windows1252.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWidget>

namespace regforge::gui::binding {

Binding::Binding(model::Control& control, QObject* object) : control_(control), object_(object) {
    if (QWidget* w = widget()) {
        basePalette_ = w->palette();
        w->installEventFilter(this);
    }
}

Binding::~Binding() {
    if (viewConnection_ != 0)
        control_.viewChanged.disconnect(viewConnection_);
}

QWidget* Binding::widget() const {
    return qobject_cast<QWidget*>(object_.data());
}

void Binding::adoptChild(Binding& /*child*/) {}

void Binding::attach() {
    object_->setObjectName(QString::fromStdString(control_.name()));
    viewConnection_ = control_.viewChanged.connect(
        [this](const model::Control&, model::Aspect aspect, int index) { redraw(aspect, index); });
    for (const auto aspect :
         {model::Aspect::Items, model::Aspect::Node, model::Aspect::Limits, model::Aspect::Value,
          model::Aspect::Caption, model::Aspect::Enabled, model::Aspect::Visible, model::Aspect::Geometry})
        redraw(aspect, -1);
}

void Binding::redraw(model::Aspect aspect, int index) {
    if (object_.isNull())
        return;
    const QSignalBlocker blocker(object_.data());
    switch (aspect) {
    case model::Aspect::Value:
        showValue(index);
        break;
    case model::Aspect::Items:
        showItems(index);
        break;
    case model::Aspect::Caption:
        showCaption();
        break;
    case model::Aspect::Visible:
        showVisible(control_.visible());
        break;
    case model::Aspect::Enabled:
        showEnabled(control_.enabled());
        break;
    case model::Aspect::Node:
        showNode(index);
        break;
    case model::Aspect::Geometry:
        showGeometry();
        break;
    case model::Aspect::Limits:
        showLimits();
        break;
    }
}

void Binding::showVisible(bool visible) {
    if (QWidget* w = widget())
        w->setVisible(visible);
}

void Binding::showEnabled(bool enabled) {
    if (QWidget* w = widget())
        w->setEnabled(enabled);
}

void Binding::showCaption() {
    QWidget* w = widget();
    if (w == nullptr)
        return;
    w->setToolTip(fromWindows1252(control_.hint()));

    const auto colour = toQColor(control_.fontColour());
    const auto background = toQColor(control_.colour());
    if (colour || background) {
        QPalette palette = basePalette_;
        // Disabled text keeps the style's grey.
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            if (colour)
                for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                    palette.setColor(group, role, *colour);
            if (background)
                palette.setColor(group, QPalette::Base, *background);
        }
        w->setPalette(palette);
        paletteChanged_ = true;
    } else if (paletteChanged_) {
        w->setPalette(basePalette_);
        paletteChanged_ = false;
    }

    if (w->font().bold() != control_.bold()) {
        QFont font = w->font();
        font.setBold(control_.bold());
        w->setFont(font);
    }
}

bool Binding::eventFilter(QObject* watched, QEvent* event) {
    if (watched != object_.data())
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        control_.hovered.emit(control_);
        break;
    case QEvent::FocusIn: {
        // Opening a popup menu or switching windows and back is no new entry into the control.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            control_.entered.emit(control_);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (forwardClicks_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            return true;
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (forwardClicks_ && mouse->button() == Qt::LeftButton) {
            if (widget()->rect().contains(mouse->position().toPoint()))
                control_.click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace regforge::gui::binding
