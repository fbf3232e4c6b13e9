// The mouse cursor of each board square tells what a click there would do.

#include "spiel.h"

namespace lumbra {
namespace {

constexpr int plain_hand = 1;     // "pickhand"
constexpr int picking_hand = 2;   // "pickhand2"
constexpr int no_hand = 3;        // "nohand"
constexpr int standard_cursor_line = 13;

}  // namespace

void Spielklasse::choose_cursor(Square& square)
{
    apply_cursor(square, settings_flag(standard_cursor_line));
}

void Spielklasse::update_cursors()
{
    const bool standard_cursor = settings_flag(standard_cursor_line);
    for (Square& square : squares) {
        apply_cursor(square, standard_cursor);
    }
}

// With "Use Standard Mouse Cursor" ticked the window has given every square
// the arrow, and it stays.
void Spielklasse::apply_cursor(Square& square, bool standard_cursor)
{
    if (standard_cursor) {
        return;
    }
    const bool empty = square.color == empty_code;
    int cursor = plain_hand;
    if (!busy && selected != nullptr && empty) {
        cursor = square.reachable ? picking_hand : no_hand;
    } else if (!busy && selected == nullptr && !empty) {
        cursor = picking_hand;
    }
    if (cursor != square.cursor) {
        square.cursor = cursor;
        window.show_cursor(square);
    }
}

}  // namespace lumbra
