#include "image_box.h"

#include <QPainter>

namespace lumbra {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::set_picture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace lumbra
