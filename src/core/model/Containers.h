#pragma once

#include "model/Control.h"

#include <string>

namespace regforge::model {

// The main window: its outer size is remembered in the settings file.
class Form : public Control {
public:
    Form(std::string name) : Control(ControlKind::Form, std::move(name), nullptr) {}
    int width() const { return width_; }
    int height() const { return height_; }
    void setSize(int width, int height);

private:
    int width_ = 0;
    int height_ = 0;
};

// A page control: its children are the pages, in order. `changed` is its OnChange.
class PageControl : public Control {
public:
    PageControl(std::string name, Control* parent)
        : Control(ControlKind::PageControl, std::move(name), parent) {}
    int activePageIndex() const { return active_; }
    // Out-of-range indexes are ignored.
    void setActivePageIndex(int index);

private:
    int active_ = 0;
};

// A plain text edit (no number rules).
class Edit : public Control {
public:
    Edit(std::string name, Control* parent) : Control(ControlKind::Edit, std::move(name), parent) {}
    const std::string& text() const { return text_; }
    void setText(std::string text);

private:
    std::string text_;
};

// A picture shown from a file beside the program.
class Image : public Control {
public:
    Image(std::string name, Control* parent) : Control(ControlKind::Image, std::move(name), parent) {}
    const std::string& picturePath() const { return path_; }
    void setPicturePath(std::string path);

private:
    std::string path_;
};

// A filled shape (status marks beside controls).
class Shape : public Control {
public:
    Shape(std::string name, Control* parent) : Control(ControlKind::Shape, std::move(name), parent) {}
    Colour brushColour() const { return brush_; }
    void setBrushColour(Colour colour);

private:
    Colour brush_ = kDefaultColour;
};

} // namespace regforge::model
