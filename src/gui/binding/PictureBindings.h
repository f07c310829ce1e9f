#pragma once

#include "gui/binding/Binding.h"
#include "model/Containers.h"

class QLabel;
class QFrame;

namespace regforge::gui::binding {

// A picture loaded from the file the model names.
class ImageBinding : public Binding {
    Q_OBJECT

public:
    ImageBinding(model::Image& image, QWidget* parent);

protected:
    void showValue(int index) override;

private:
    model::Image& image_;
    QLabel* label_;
};

// A filled mark in the model's brush colour.
class ShapeBinding : public Binding {
    Q_OBJECT

public:
    ShapeBinding(model::Shape& shape, QWidget* parent);

protected:
    void showValue(int index) override;

private:
    model::Shape& shape_;
    QFrame* frame_;
};

} // namespace regforge::gui::binding
