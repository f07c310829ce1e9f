#include "gui/widgets/ProblemsPanel.h"

#include "gui/widgets/DrawnIcons.h"

#include <QListWidget>

namespace regforge::gui::widgets {

namespace {

DrawnIcon iconOf(periph::Severity severity) {
    switch (severity) {
    case periph::Severity::Error:
        return DrawnIcon::Error;
    case periph::Severity::Warning:
        return DrawnIcon::Warning;
    case periph::Severity::Note:
        break;
    }
    return DrawnIcon::Note;
}

} // namespace

ProblemsPanel::ProblemsPanel(QWidget* parent)
    : QDockWidget(tr("Problems"), parent), list_(new QListWidget(this)) {
    setObjectName("ProblemsPanel");
    list_->setObjectName("ProblemsList");
    // A problem naming several pins is longer than the panel is wide: it wraps, read whole.
    list_->setWordWrap(true);
    setWidget(list_);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Q_EMIT problemActivated(list_->row(item)); });
}

void ProblemsPanel::showProblems(const periph::ProblemList& problems) {
    list_->clear();
    for (const auto& p : problems.problems()) {
        auto* item = new QListWidgetItem(drawnIcon(iconOf(p.severity)),
                                         QString::fromStdString("[" + p.page + "] " + p.what), list_);
        item->setToolTip(QString::fromStdString(p.fix));
    }
    setWindowTitle(tr("Problems: %1").arg(QString::fromStdString(problems.summary())));
}

} // namespace regforge::gui::widgets
