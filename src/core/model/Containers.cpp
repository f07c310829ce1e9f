#include "model/Containers.h"

namespace regforge::model {

void Form::setSize(int width, int height) {
    if (width_ == width && height_ == height)
        return;
    width_ = width;
    height_ = height;
    notifyView(Aspect::Geometry);
}

void PageControl::setActivePageIndex(int index) {
    int pages = 0;
    for (const Control* c : children())
        if (c->kind() == ControlKind::Page)
            ++pages;
    if (index < 0 || index >= pages || index == active_)
        return;
    active_ = index;
    valueChanged();
}

void Edit::setText(std::string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    valueChanged();
}

void Image::setPicturePath(std::string path) {
    if (path_ == path)
        return;
    path_ = std::move(path);
    notifyView(Aspect::Value);
}

void Shape::setBrushColour(Colour colour) {
    if (brush_ == colour)
        return;
    brush_ = colour;
    notifyView(Aspect::Value);
}

} // namespace regforge::model
