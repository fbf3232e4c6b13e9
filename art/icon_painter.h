#pragma once

#include <QByteArray>

class QPainter;

namespace lumbra::art {

// The program's icon in a square of `size` pixels: three glossy balls on a
// dark tile; below 32 pixels a single ball, which stays readable.
void paint_icon(QPainter& painter, int size);

// The same icon as scalable vector graphics for the desktop.
QByteArray icon_svg();

}  // namespace lumbra::art
