#pragma once

#include "ball_poses.h"

#include <QColor>

#include <functional>

class QPainter;

namespace lumbra::art {

// Paints in the unit circle (radius 1 around the origin) of a ball's own
// coordinates, below the gloss: a body, or a mark on the body.
using BallLayer = std::function<void(QPainter&)>;

// The soft shadow a stone casts on the floor; fainter and smaller the higher
// the stone is lifted.
void paint_contact_shadow(QPainter& painter, const BallPose& pose);

// A shaded body of one colour, lit from the top left.
void paint_ball_body(QPainter& painter, const QColor& base);

// The shading shared by every ball: darker rim, light reflected from the
// floor, and the glossy highlight on top.
void paint_ball_gloss(QPainter& painter);

// Shadow, body (`body` in unit-circle coordinates), optional mark, gloss,
// placed by `pose`.
void paint_ball(QPainter& painter, const BallPose& pose, const BallLayer& body,
                const BallLayer& mark = {});

// A ball of colour `base` at rest, `radius` around `centre`, with its
// shadow: for the pictures that show balls off the board squares.
void paint_resting_ball(QPainter& painter, QPointF centre, qreal radius, const QColor& base);

}  // namespace lumbra::art
