#pragma once

#include "ball_poses.h"

class QPainter;

namespace lumbra::art {

// A stick of dynamite with a burning fuse, placed and squashed like a ball
// in animation frame `frame` (0..10); the spark flickers from frame to frame.
void paint_dynamite(QPainter& painter, int frame);

// The blast, in the order it plays: 0 the flash, 1 the fireball, 2 the fire
// breaking up into smoke, 3 the smoke clearing.
inline constexpr int blast_stage_count = 4;
void paint_blast(QPainter& painter, int stage);

}  // namespace lumbra::art
