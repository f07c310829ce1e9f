#pragma once

#include "gui/binding/Binding.h"
#include "model/Containers.h"

#include <QPointer>

class QTabWidget;

namespace regforge::gui::binding {

// A page control: one tab per page child. A tab the user picks becomes the model's active page.
class PageControlBinding : public Binding {
    Q_OBJECT

public:
    PageControlBinding(model::PageControl& pages, QWidget* parent);
    void adoptChild(Binding& child) override;
    QTabWidget* tabs() const { return tabs_; }

protected:
    void showValue(int index) override;

private:
    model::PageControl& pages_;
    QTabWidget* tabs_;
};

// A page of a page control: its caption, visibility and enabling belong to its tab.
class PageBinding : public Binding {
    Q_OBJECT

public:
    PageBinding(model::Control& page, QTabWidget* tabs);

protected:
    void showVisible(bool visible) override;
    void showEnabled(bool enabled) override;
    void showCaption() override;

private:
    int tabIndex() const;

    QPointer<QTabWidget> tabs_;
};

} // namespace regforge::gui::binding
