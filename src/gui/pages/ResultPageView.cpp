#include "gui/pages/ResultPageView.h"

#include "app/ShellLayout.h"
#include "output/Compiler.h"
#include "output/ReplacePanelControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>

namespace regforge::gui::pages {

namespace o = output;

ResultPageView::ResultPageView(const binding::Binder& binder) : PageView(binder, app::kResultTab.name) {}

void ResultPageView::arrangeContent(QVBoxLayout* body) {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(take("Result_btn"));
    buttons->addWidget(take("SaveCodeButton"));
    buttons->addStretch(1);
    buttons->addWidget(take("ReplaceUseButton"));
    buttons->addWidget(take("ViewReplaceButton"));
    body->addLayout(buttons);
    // The files for the user's build on a row of their own, so the page keeps its design width.
    auto* files = new QHBoxLayout;
    files->addWidget(take("CompilerLabel"));
    files->addWidget(take(output::kCompilerComboBox));
    files->addWidget(take("ExportFilesButton"));
    files->addStretch(1);
    body->addLayout(files);

    // The replace table and the text share the height there is.
    body->addWidget(arrangeReplacePanel(), 1);
    body->addWidget(take("Memo1"), 1);
}

QWidget* ResultPageView::arrangeReplacePanel() {
    QWidget* panel = take(o::kReplacePanel);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 4, 0, 4);

    // The pair being typed, then what is done with whole lists.
    auto* pairRow = new QHBoxLayout;
    pairRow->addWidget(take(o::kPairEdit), 1);
    pairRow->addWidget(take(o::kAddButton));
    column->addLayout(pairRow);

    // Two rows keep the panel as narrow as the page: choosing and storing lists, then what is
    // done with the active list.
    auto* listRow = new QHBoxLayout;
    QWidget* lists = take(o::kListSelector);
    lists->setMinimumWidth(140);
    listRow->addWidget(lists, 1);
    listRow->addWidget(take(o::kLoadButton));
    listRow->addWidget(take(o::kSaveButton));
    column->addLayout(listRow);

    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(take(o::kSwapButton));
    commandRow->addWidget(take(o::kProcessFileButton));
    commandRow->addStretch(1);
    QWidget* help = take(o::kHelpButton);
    help->setFixedWidth(help->sizeHint().height());
    help->setToolTip(QObject::tr("How the replace list works"));
    commandRow->addWidget(help);
    column->addLayout(commandRow);

    for (const char* name :
         {o::kAddHelpLabel, o::kEditHelpLabel, o::kSaveLoadHelpLabel, o::kDeleteHelpLabel}) {
        auto* label = takeAs<QLabel>(name);
        label->setWordWrap(true);
        column->addWidget(label);
    }

    auto* grid = takeAs<QTableWidget>(o::kListEditor);
    grid->setMinimumHeight(160);
    column->addWidget(grid, 1);

    auto* editing = takeAs<QLabel>(o::kEditLabel);
    editing->setWordWrap(true);
    column->addWidget(editing);
    return panel;
}

} // namespace regforge::gui::pages
