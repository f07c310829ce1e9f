#include "gui/pages/ResultPageView.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace regforge::gui::pages {

ResultPageView::ResultPageView(const binding::Binder& binder) : PageView(binder, "Result_page") {}

void ResultPageView::arrangeContent(QVBoxLayout* body) {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(take("Result_btn"));
    buttons->addWidget(take("SaveCodeButton"));
    buttons->addStretch(1);
    buttons->addWidget(take("ReplaceUseButton"));
    buttons->addWidget(take("ViewReplaceButton"));
    body->addLayout(buttons);

    QWidget* replacePanel = take("ReplacePanel");
    auto* replaceRow = new QHBoxLayout(replacePanel);
    replaceRow->setContentsMargins(0, 0, 0, 0);
    replaceRow->addStretch(1);
    replaceRow->addWidget(take("ReplaceFileSelectComboBox"));
    body->addWidget(replacePanel);

    body->addWidget(take("Memo1"), 1);
}

} // namespace regforge::gui::pages
