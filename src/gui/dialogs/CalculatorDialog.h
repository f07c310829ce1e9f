#pragma once

#include <QDialog>
#include <memory>

namespace regforge::tools {
class Calculator;
}

namespace regforge::gui {

namespace binding {
class Binder;
}

namespace dialogs {

// The frequency/period calculator window "Form3": the calculator's controls bound and laid
// out, frequency and period above, the results below, Apply and Abort at the bottom. The
// calculator decides when the window closes and with which result.
class CalculatorDialog : public QDialog {
    Q_OBJECT

public:
    explicit CalculatorDialog(tools::Calculator& calculator, QWidget* parent = nullptr);
    ~CalculatorDialog() override;

    binding::Binder& binder() { return *binder_; }

protected:
    // Enter applies, wherever the focus is in the window but on a button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void arrange();

    tools::Calculator& calculator_;
    std::unique_ptr<binding::Binder> binder_;
    int closeConnection_ = 0;
};

} // namespace dialogs
} // namespace regforge::gui
