#include "tile_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lumbra::art {

void paint_tile(QPainter& painter)
{
    painter.save();
    // The groove between tiles.
    painter.fillRect(QRectF(0, 0, tile_size, tile_size), QColor(0x9c, 0x9e, 0xa4));

    const QRectF face(1, 1, tile_size - 2, tile_size - 2);
    QPainterPath face_path;
    face_path.addRoundedRect(face, 2.5, 2.5);

    QLinearGradient floor(face.topLeft(), face.bottomRight());
    floor.setColorAt(0, QColor(0xae, 0xb0, 0xb6));
    floor.setColorAt(1, QColor(0xc8, 0xca, 0xcf));
    painter.fillPath(face_path, floor);

    // Inner shadow along the top and left edges: the face lies lower than
    // the rim, so the rim shades it.
    painter.setClipPath(face_path);
    QLinearGradient top_shade(0, 1, 0, 6);
    top_shade.setColorAt(0, QColor(0, 0, 0, 70));
    top_shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(1, 1, tile_size - 2, 5), top_shade);
    QLinearGradient left_shade(1, 0, 6, 0);
    left_shade.setColorAt(0, QColor(0, 0, 0, 55));
    left_shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(1, 1, 5, tile_size - 2), left_shade);
    painter.setClipping(false);

    // Light caught by the lower and right rims.
    QPen rim(QColor(255, 255, 255, 150), 1.0);
    painter.setPen(rim);
    painter.drawLine(QPointF(2.5, tile_size - 1.5), QPointF(tile_size - 1.5, tile_size - 1.5));
    painter.drawLine(QPointF(tile_size - 1.5, 2.5), QPointF(tile_size - 1.5, tile_size - 1.5));
    painter.restore();
}

}  // namespace lumbra::art
