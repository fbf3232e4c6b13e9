#pragma once

#include <string_view>

class QPainter;

namespace lumbra::art {

// The three hand cursors, 32 x 32, with the tip of the pointing finger on
// the hot spot of program_art.h: "pickhand" the plain hand, "pickhand2" the
// hand lit up over something it can take or a square it can reach,
// "nohand" the hand with a no-entry sign over a square out of reach.
// False for another name.
bool paint_cursor(QPainter& painter, std::string_view name);

}  // namespace lumbra::art
