#pragma once

#include <QImage>
#include <QSize>

#include <functional>

class QPainter;

namespace lumbra::art {

// Paints in the picture's own coordinates (a 40 x 40 square is 0..40 at
// every scale); the canvas scales the painter for the 2x drawing.
using Drawing = std::function<void(QPainter&)>;

// Renders `drawing` at `scale` times the logical `size`, antialiased, into a
// 32-bit picture with alpha.
QImage render(const Drawing& drawing, QSize size, int scale);

}  // namespace lumbra::art
