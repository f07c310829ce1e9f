#pragma once

#include "gui/binding/Binding.h"

class QGroupBox;
class QScrollArea;

namespace regforge::gui::widgets {
class CaptionPanel;
}

namespace regforge::gui::binding {

// A panel: a plain area that shows its caption and passes clicks to the model.
class PanelBinding : public Binding {
    Q_OBJECT

public:
    PanelBinding(model::Control& control, QWidget* parent);

protected:
    void showCaption() override;

private:
    widgets::CaptionPanel* panel_;
};

// A group box: a framed area with its caption as title.
class GroupBoxBinding : public Binding {
    Q_OBJECT

public:
    GroupBoxBinding(model::Control& control, QWidget* parent);

protected:
    void showCaption() override;

private:
    QGroupBox* box_;
};

// A scroll box: children live in the scrolled area.
class ScrollBoxBinding : public Binding {
    Q_OBJECT

public:
    ScrollBoxBinding(model::Control& control, QWidget* parent);
    QWidget* childHost() const override { return content_; }

private:
    QScrollArea* area_;
    QWidget* content_;
};

} // namespace regforge::gui::binding
