#include "gui/widgets/ProblemsPanel.h"

#include <QListWidget>
#include <QStyle>

namespace regforge::gui::widgets {

namespace {

QStyle::StandardPixmap iconOf(periph::Severity severity) {
    switch (severity) {
    case periph::Severity::Error:
        return QStyle::SP_MessageBoxCritical;
    case periph::Severity::Warning:
        return QStyle::SP_MessageBoxWarning;
    case periph::Severity::Note:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
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
        auto* item = new QListWidgetItem(style()->standardIcon(iconOf(p.severity)),
                                         QString::fromStdString("[" + p.page + "] " + p.what), list_);
        item->setToolTip(QString::fromStdString(p.fix));
    }
    setWindowTitle(tr("Problems: %1").arg(QString::fromStdString(problems.summary())));
}

} // namespace regforge::gui::widgets
