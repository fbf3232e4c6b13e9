#pragma once

#include <QColor>
#include <QPainterPath>

class QPainter;

namespace lumbra::art {

// The shape that marks a ball colour in the library for players who cannot
// tell the colours apart: ring, triangle, square, star, diamond, cross and
// heart for colours 1..7, in the ball's unit-circle coordinates.
QPainterPath shape_mark(int colour_index);

// Engraves `mark` into a ball body of colour `base`: dark on light balls,
// light on dark ones, with a lit lower lip so it reads as cut into the ball.
void engrave_mark(QPainter& painter, const QPainterPath& mark, const QColor& base);

}  // namespace lumbra::art
