#pragma once

#include "game_window.h"

namespace lumbra {

// The score display: it holds the game's score and shows it in `digits`
// digit pictures "lcd0".."lcd9", leading zeros included. The window places
// one digit widget per position from the geometry fields; position 0 is the
// leftmost digit.
class lcd {
public:
    lcd(GameWindow& window, int value, int digits, int left, int top, int digit_width,
        int digit_height);

    // Stores `v` and shows it; only the last `digits` decimal digits show.
    void set_value(int v);
    int get_value() const { return value; }

    // Shows every digit of the value again.
    void redraw();

    // Shows the decimal digit `d` at `position`; anything but 0..9 (only a
    // negative value gives one) shows nothing and keeps the old picture.
    void load_digit(int d, int position);

    const int digits;
    const int left;
    const int top;
    const int digit_width;
    const int digit_height;

private:
    int value;
    GameWindow& window;
};

}  // namespace lumbra
