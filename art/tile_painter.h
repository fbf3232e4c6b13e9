#pragma once

class QPainter;

namespace lumbra::art {

inline constexpr int tile_size = 40;

// The empty board square: a tile set slightly into the board, lit from the
// top left. Every board picture starts with it, so a square never shows
// anything of the window behind it.
void paint_tile(QPainter& painter);

}  // namespace lumbra::art
