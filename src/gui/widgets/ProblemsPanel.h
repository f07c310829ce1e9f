#pragma once

#include "periph/ProblemList.h"

#include <QDockWidget>

class QListWidget;

namespace regforge::gui::widgets {

// The problems list as a panel the user opens from the status line: one row per problem with
// its severity, page and text, the fix as the row's tooltip. Activating a row emits its index.
class ProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit ProblemsPanel(QWidget* parent = nullptr);
    void showProblems(const periph::ProblemList& problems);

Q_SIGNALS:
    void problemActivated(int index);

private:
    QListWidget* list_;
};

} // namespace regforge::gui::widgets
