#pragma once

#include <QSize>

class QPainter;

namespace lumbra::art {

inline constexpr QSize digit_size{30, 45};

// One digit 0..9 of the score, an amber seven-segment display whose unlit
// segments glow faintly. Amber, not red: to a protanope a red display is
// dark, and lit segments would barely stand out from unlit ones. Four of them side by side make one panel.
void paint_digit(QPainter& painter, int digit);

}  // namespace lumbra::art
