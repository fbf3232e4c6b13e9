#pragma once

#include <QColor>
#include <QString>

#include <array>

namespace lumbra::art {

// The seven ball colours in stone-code order (1 = "red" .. 7 = "black",
// "purple"). They are set apart by lightness and by the blue-yellow axis as
// well as by hue, because those two survive the red-green deficiencies:
// under simulated deuteranopia and protanopia every pair stays clearly
// distinct (see colour_vision.h and the art tests).
struct BallColour {
    QString name;    // the stone word of the picture names
    QColor base;     // the body colour, seen where the ball faces the viewer
};

inline constexpr int ball_colour_count = 7;

const std::array<BallColour, ball_colour_count>& ball_colours();

// The grey of the main window around the pictures.
inline const QColor window_silver{0xc0, 0xc0, 0xc0};

// a + (b - a) * t per channel, alpha included.
QColor mix(const QColor& a, const QColor& b, qreal t);

}  // namespace lumbra::art
