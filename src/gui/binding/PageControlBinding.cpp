#include "gui/binding/PageControlBinding.h"

#include "gui/binding/Caption.h"

#include <QSignalBlocker>
#include <QTabWidget>

namespace regforge::gui::binding {

PageControlBinding::PageControlBinding(model::PageControl& pages, QWidget* parent)
    : Binding(pages, new QTabWidget(parent)), pages_(pages), tabs_(static_cast<QTabWidget*>(widget())) {
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this](int index) { userAction([&] { pages_.setActivePageIndex(index); }); });
}

void PageControlBinding::adoptChild(Binding& child) {
    if (child.control().kind() != model::ControlKind::Page || child.widget() == nullptr)
        return;
    const QSignalBlocker blocker(tabs_);
    tabs_->addTab(child.widget(), acceleratedCaption(child.control().caption()));
    tabs_->setCurrentIndex(pages_.activePageIndex());
}

void PageControlBinding::showValue(int /*index*/) {
    tabs_->setCurrentIndex(pages_.activePageIndex());
}

PageBinding::PageBinding(model::Control& page, QTabWidget* tabs)
    : Binding(page, new QWidget(tabs)), tabs_(tabs) {}

int PageBinding::tabIndex() const {
    return tabs_.isNull() ? -1 : tabs_->indexOf(widget());
}

void PageBinding::showVisible(bool visible) {
    if (const int index = tabIndex(); index >= 0)
        tabs_->setTabVisible(index, visible);
}

void PageBinding::showEnabled(bool enabled) {
    if (const int index = tabIndex(); index >= 0)
        tabs_->setTabEnabled(index, enabled);
}

void PageBinding::showCaption() {
    Binding::showCaption();
    if (const int index = tabIndex(); index >= 0)
        tabs_->setTabText(index, acceleratedCaption(control().caption()));
}

} // namespace regforge::gui::binding
