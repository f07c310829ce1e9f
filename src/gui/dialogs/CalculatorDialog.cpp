#include "gui/dialogs/CalculatorDialog.h"

#include "gui/binding/Binder.h"
#include "tools/Calculator.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace regforge::gui::dialogs {

namespace {

// Room for the ten characters the wanted frequency and period may have.
void sizeValueEdit(QWidget* edit) {
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 16);
}

} // namespace

CalculatorDialog::CalculatorDialog(tools::Calculator& calculator, QWidget* parent)
    : QDialog(parent), calculator_(calculator) {
    setModal(true);
    binder_ = std::make_unique<binding::Binder>(calculator_.store(), this);
    arrange();
    closeConnection_ = calculator_.closeRequested.connect([this] {
        done(calculator_.modalResult() == tools::Calculator::ModalResult::Ok ? QDialog::Accepted
                                                                             : QDialog::Rejected);
    });
}

void CalculatorDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        calculator_.pressEnter();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The bindings go before the widgets they show.
CalculatorDialog::~CalculatorDialog() {
    calculator_.closeRequested.disconnect(closeConnection_);
    binder_.reset();
}

void CalculatorDialog::arrange() {
    const binding::Binder& b = *binder_;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 14, 14, 12);
    column->setSpacing(10);
    column->setSizeConstraint(QLayout::SetFixedSize);

    // Wanted:  Frequency [value] [unit]
    //          Period    [value] [unit]
    auto* wanted = new QGridLayout;
    wanted->setHorizontalSpacing(8);
    wanted->setVerticalSpacing(6);
    wanted->addWidget(b.widget("Label1"), 0, 0);
    sizeValueEdit(b.widget("FrequencyEdit"));
    wanted->addWidget(b.widget("FrequencyEdit"), 0, 1);
    wanted->addWidget(b.widget("FrequencyCombo"), 0, 2);
    wanted->addWidget(b.widget("Label2"), 1, 0);
    sizeValueEdit(b.widget("PeriodEdit"));
    wanted->addWidget(b.widget("PeriodEdit"), 1, 1);
    wanted->addWidget(b.widget("PeriodCombo"), 1, 2);
    // The input clock is the caller's and stays hidden; it sits with the inputs all the same.
    wanted->addWidget(b.widget("Pclock_edit"), 2, 1);
    wanted->setColumnStretch(3, 1);
    column->addLayout(wanted);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);

    // What the register value really gives; the converter line shows only for the A/D caller.
    auto* results = new QGridLayout;
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(6);
    const char* const rows[][2] = {
        {"Label4", "ResultLabel"}, {"Label3", "Result2Label"}, {"Label5", "ADCfrequencyLabel"}};
    int row = 0;
    // The captions end where the figures start; the A/D caller's shorter "Calculated ADC rate:"
    // lines up with the others that way.
    for (const auto& [caption, value] : rows) {
        results->addWidget(b.widget(caption), row, 0, Qt::AlignRight | Qt::AlignVCenter);
        QWidget* figure = b.widget(value);
        figure->setMinimumWidth(
            figure->fontMetrics().horizontalAdvance(QStringLiteral("1.0714 MHz ( 933.33 ns )")));
        results->addWidget(figure, row, 1);
        ++row;
    }
    // The out-of-reach note keeps its room while hidden, so the window does not jump.
    QWidget* range = b.widget("RangeLabel");
    QSizePolicy keepRoom = range->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    range->setSizePolicy(keepRoom);
    results->addWidget(range, row, 1);
    results->setColumnStretch(1, 1);
    column->addLayout(results);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    // Enter applies, so Apply is drawn as the default button.
    if (auto* apply = qobject_cast<QPushButton*>(b.widget("Apply")))
        apply->setDefault(true);
    buttons->addWidget(b.widget("Apply"));
    buttons->addWidget(b.widget("Abort"));
    column->addLayout(buttons);
}

} // namespace regforge::gui::dialogs
