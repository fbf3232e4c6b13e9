#include "ball_poses.h"

#include <array>
#include <cassert>

namespace lumbra::art {

namespace {

struct PoseRow {
    qreal scale;      // of the full ball
    qreal lift;       // pixels above the floor
    qreal stretch_x;  // squash and stretch of the bounce
    qreal stretch_y;
    bool grounded;    // bottom on the floor (bounce) or centred (growth)
};

constexpr std::array<PoseRow, ball_frame_count> pose_table{{
    {0.16, 0.0, 1.00, 1.00, false},  // 0000 a dot
    {0.34, 0.0, 1.00, 1.00, false},  // 0001
    {0.53, 0.0, 1.00, 1.00, false},  // 0002
    {0.72, 0.0, 1.00, 1.00, false},  // 0003
    {0.88, 0.0, 1.00, 1.00, false},  // 0004
    {1.00, 0.0, 1.00, 1.00, true},   // 0005 at rest
    {1.00, 0.0, 1.13, 0.85, true},   // 0006 squashed on the floor
    {1.00, 2.6, 0.96, 1.04, true},   // 0007 rising, stretched
    {1.00, 4.6, 1.00, 1.00, true},   // 0008 top of the hop
    {1.00, 2.8, 0.96, 1.05, true},   // 0009 falling
    {1.00, 0.6, 1.05, 0.95, true},   // 0010 touching down
}};

}  // namespace

BallPose ball_pose(int frame)
{
    assert(frame >= 0 && frame < ball_frame_count);
    const PoseRow& row = pose_table[frame];
    const qreal rx = ball_radius * row.scale * row.stretch_x;
    const qreal ry = ball_radius * row.scale * row.stretch_y;
    const qreal rest_centre_y = floor_y - ball_radius;
    const qreal centre_y = row.grounded ? floor_y - row.lift - ry : rest_centre_y;
    return {QPointF(20.0, centre_y), rx, ry, row.lift};
}

}  // namespace lumbra::art
