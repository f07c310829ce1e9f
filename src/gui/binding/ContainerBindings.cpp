#include "gui/binding/ContainerBindings.h"

#include "gui/binding/Caption.h"
#include "gui/widgets/CaptionPanel.h"

#include <QGroupBox>
#include <QScrollArea>

namespace regforge::gui::binding {

PanelBinding::PanelBinding(model::Control& control, QWidget* parent)
    : Binding(control, new widgets::CaptionPanel(parent)),
      panel_(static_cast<widgets::CaptionPanel*>(widget())) {
    forwardClicks();
}

void PanelBinding::showCaption() {
    Binding::showCaption();
    panel_->setCaption(plainCaption(control().caption()));
}

GroupBoxBinding::GroupBoxBinding(model::Control& control, QWidget* parent)
    : Binding(control, new QGroupBox(parent)), box_(static_cast<QGroupBox*>(widget())) {}

void GroupBoxBinding::showCaption() {
    Binding::showCaption();
    box_->setTitle(acceleratedCaption(control().caption()));
}

ScrollBoxBinding::ScrollBoxBinding(model::Control& control, QWidget* parent)
    : Binding(control, new QScrollArea(parent)), area_(static_cast<QScrollArea*>(widget())),
      content_(new QWidget) {
    area_->setWidgetResizable(true);
    area_->setFrameShape(QFrame::NoFrame);
    area_->setWidget(content_);
}

} // namespace regforge::gui::binding
