#include "gui/pages/PageView.h"

#include "gui/binding/Binder.h"
#include "gui/pages/ViewParts.h"
#include "model/ControlKind.h"

#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <stdexcept>

namespace regforge::gui::pages {

PageView::PageView(const binding::Binder& binder, std::string pageName)
    : binder_(binder), pageName_(std::move(pageName)), page_(binder.widget(pageName_)) {
    if (page_ == nullptr)
        throw std::logic_error("no page named " + pageName_);
}

PageView::~PageView() = default;

void PageView::arrange() {
    auto* outer = new QVBoxLayout(page_);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(8);
    clockSlot_ = new QVBoxLayout;
    clockSlot_->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(clockSlot_);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(body, 1);
    arrangeContent(body);
    placeRest(restLayout(body));
    finishArrangement();
}

QBoxLayout* PageView::restLayout(QVBoxLayout* body) {
    return body;
}

QWidget* PageView::takeClockPanel(const std::string& panel, const std::string& divider,
                                  const std::string& clock) {
    arrangeClockPanel(binder().widget(panel), take(panel + "_label"), take(divider), take(clock),
                      take(panel + "_unit"));
    return take(panel);
}

QWidget* PageView::take(std::string_view name) {
    QWidget* widget = binder_.widget(name);
    if (widget == nullptr)
        throw std::logic_error("page view asks for a control without a widget: " + std::string(name));
    placed_.insert(widget);
    return widget;
}

void PageView::placeRest(QBoxLayout* rest) {
    const model::Control* page = binder_.store().find(pageName_);
    for (const model::Control* child : page->children()) {
        QWidget* widget = binder_.widget(child->name());
        if (widget == nullptr || placed_.contains(widget))
            continue;
        rest->addWidget(widget);
    }
    layOutUnarranged(*page);
}

void PageView::layOutUnarranged(const model::Control& container) {
    for (const model::Control* child : container.children()) {
        if (!model::isContainer(child->kind()) || child->kind() == model::ControlKind::PopupMenu ||
            child->kind() == model::ControlKind::MenuItem)
            continue;
        const binding::Binding* binding = binder_.binding(*child);
        QWidget* host = binding != nullptr ? binding->childHost() : nullptr;
        if (host != nullptr && host->layout() == nullptr && !child->children().empty()) {
            auto* column = new QVBoxLayout(host);
            for (const model::Control* grandChild : child->children())
                if (QWidget* w = binder_.widget(grandChild->name()))
                    column->addWidget(w);
        }
        layOutUnarranged(*child);
    }
}

void PlainPageView::arrangeContent(QVBoxLayout* body) {
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // The list lies on the page itself, not on a panel of its own.
    scroll->viewport()->setAutoFillBackground(false);
    auto* list = new QWidget;
    column_ = new QVBoxLayout(list);
    column_->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(list);
    list->setAutoFillBackground(false);
    body->addWidget(scroll, 1);
}

QBoxLayout* PlainPageView::restLayout(QVBoxLayout* /*body*/) {
    return column_;
}

void PlainPageView::finishArrangement() {
    column_->addStretch(1);
}

} // namespace regforge::gui::pages
