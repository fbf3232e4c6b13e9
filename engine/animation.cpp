// The three animation steps of one highlight-timer tick: the bounce of the
// selected ball, the growth of new stones and one pass of the vanishing.

#include "spiel.h"

namespace lumbra {

void Spielklasse::bounce_selected()
{
    if (selected == nullptr || selected->color > last_bounce_code) {
        return;
    }
    const int c = selected->color;
    set_field(selected->Tag, c + code_step <= last_bounce_code ? c + code_step : c - 4 * code_step);
}

void Spielklasse::grow_step()
{
    for (int i = 1; i <= 20; ++i) {
        const int n = grow_slots[i];
        if (n == 0) {
            continue;
        }
        const int c = code_at(n);
        if (is_vanishing(n) || c < growth_code(1)) {
            // The stone was removed, or moved away before it had grown: the
            // slot is freed at once, so that no later stone on that square is
            // taken for a growing one.
            grow_slots[i] = 0;
        } else if (c <= last_growth_code) {
            set_field(n, c + code_step);
        } else {
            set_field(n, rest_code(c));
            check_lines(n);
            grow_slots[i] = 0;
        }
    }
    // A free slot holds 0, so square 0 is never recorded; it grows by its
    // code alone, without a row check.
    const int c = code_at(0);
    if (!is_vanishing(0) && c >= growth_code(1)) {
        set_field(0, c <= last_growth_code ? c + code_step : rest_code(c));
    }
    update_cursors();
}

void Spielklasse::vanish_step()
{
    // One pass: every queued square one frame further, the square queued last
    // first; a square past its last frame is emptied and leaves the queue.
    int position = 1;
    while (position <= vanish_queue.count()) {
        const int n = vanish_queue.item(position);
        const int c = code_at(n);
        // A frame the library lacks must not hold the stone on the board (and
        // the game busy) for good: after the error box it is emptied.
        if (c >= last_vanish_frame_code && show_code(n, c - code_step)) {
            ++position;
            continue;
        }
        set_field(n, empty_code);
        vanishing[n] = false;
        vanish_queue.remove_at(position);
        if (vanish_queue.is_empty()) {
            busy = false;
        }
    }
    update_cursors();
}

}  // namespace lumbra
