#pragma once

#include <QSize>

class QPainter;

namespace lumbra::art {

inline constexpr QSize next_size{97, 33};
inline constexpr QSize game_over_size{265, 103};
inline constexpr QSize title_size{193, 145};

// The label left of the three preview squares.
void paint_next(QPainter& painter);

// The logo of the game-over dialog.
void paint_game_over(QPainter& painter);

// The picture of the About dialog.
void paint_title(QPainter& painter);

}  // namespace lumbra::art
