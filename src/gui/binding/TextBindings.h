#pragma once

#include "gui/binding/Binding.h"
#include "model/Containers.h"
#include "model/ListControls.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace regforge::gui::binding {

// A label or static text: caption, font colour and weight; clicks go to the model.
class LabelBinding : public Binding {
    Q_OBJECT

public:
    LabelBinding(model::Control& control, QWidget* parent);

protected:
    void showCaption() override;

private:
    QLabel* label_;
};

// A plain single-line edit without number rules.
class EditBinding : public Binding {
    Q_OBJECT

public:
    EditBinding(model::Edit& edit, QWidget* parent);

protected:
    void showValue(int index) override;

private:
    model::Edit& edit_;
    QLineEdit* line_;
};

// Read-only multi-line text in a fixed-width font (the generated code).
class MemoBinding : public Binding {
    Q_OBJECT

public:
    MemoBinding(model::Memo& memo, QWidget* parent);

protected:
    void showValue(int index) override;

private:
    model::Memo& memo_;
    QPlainTextEdit* text_;
};

} // namespace regforge::gui::binding
