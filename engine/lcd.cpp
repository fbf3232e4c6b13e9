#include "lcd.h"

#include "pictures.h"

namespace lumbra {

lcd::lcd(GameWindow& window, int value, int digits, int left, int top, int digit_width,
         int digit_height)
    : digits(digits),
      left(left),
      top(top),
      digit_width(digit_width),
      digit_height(digit_height),
      value(value),
      window(window)
{
    redraw();
}

void lcd::set_value(int v)
{
    value = v;
    redraw();
}

void lcd::redraw()
{
    int p = 1;
    for (int i = 1; i < digits; ++i) {
        p *= 10;
    }
    for (int position = 0; position < digits; ++position) {
        load_digit((value / p) % 10, position);
        p /= 10;
    }
}

void lcd::load_digit(int d, int position)
{
    // A missing digit picture is an optional resource: the old one stays.
    if (static_cast<unsigned>(d) <= 9) {
        window.show_digit(position, digit_picture(d));
    }
}

}  // namespace lumbra
