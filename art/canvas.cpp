#include "canvas.h"

#include <QPainter>

namespace lumbra::art {

QImage render(const Drawing& drawing, QSize size, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    drawing(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace lumbra::art
