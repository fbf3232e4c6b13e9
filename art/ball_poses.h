#pragma once

#include <QPointF>

namespace lumbra::art {

// Where and how big a stone is drawn in one animation frame: 0000..0004
// grow from a dot to full size (and play backwards as the vanishing), 0005
// rests, 0006..0010 are one bounce (squash on the floor, rise, top, fall,
// touch down), looping back to 0006.
struct BallPose {
    QPointF centre;   // centre of the stone in the 40 x 40 square
    qreal radius_x;   // half width of the stone
    qreal radius_y;   // half height (squashed or stretched)
    qreal lift;       // height above the floor, for the shadow
};

inline constexpr int ball_frame_count = 11;
inline constexpr qreal ball_radius = 15.0;
inline constexpr qreal floor_y = 35.5;

BallPose ball_pose(int frame);

}  // namespace lumbra::art
