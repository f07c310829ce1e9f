#include "gui/binding/PictureBindings.h"

#include "gui/binding/Caption.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPixmap>

namespace regforge::gui::binding {

ImageBinding::ImageBinding(model::Image& image, QWidget* parent)
    : Binding(image, new QLabel(parent)), image_(image), label_(static_cast<QLabel*>(widget())) {
    forwardClicks();
}

void ImageBinding::showValue(int /*index*/) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(image_.picturePath()));
    label_->setPixmap(path.isEmpty() ? QPixmap() : QPixmap(path));
}

ShapeBinding::ShapeBinding(model::Shape& shape, QWidget* parent)
    : Binding(shape, new QFrame(parent)), shape_(shape), frame_(static_cast<QFrame*>(widget())) {
    frame_->setFrameShape(QFrame::Box);
    frame_->setAutoFillBackground(true);
    frame_->setMinimumSize(8, 8);
    forwardClicks();
}

void ShapeBinding::showValue(int /*index*/) {
    QPalette palette = frame_->palette();
    palette.setColor(QPalette::Window, toQColor(shape_.brushColour()).value_or(QColor(Qt::white)));
    frame_->setPalette(palette);
}

} // namespace regforge::gui::binding
