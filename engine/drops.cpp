// New stones: one drop from the preview, placing a stone, and a turn's drops.

#include "spiel.h"

namespace lumbra {

void Spielklasse::drop_stone()
{
    stone_count = count_stones();
    random.seed(static_cast<std::uint64_t>(window.clock_seconds()));
    if (stone_count >= board_width * board_height - 1) {
        end_game();
        return;
    }
    int pos = 0;
    do {
        pos = random.below(Kaestchen);
    } while (code_at(pos) != empty_code);
    ++stone_count;

    const int color = preview_colors[preview_pos];
    if (color == special_stone && would_complete_row(pos)) {
        pos = square_for_special(pos);
    }
    place_stone(pos, color);

    int odds = regular_mode ? 12 : 25;
    for (const Square& square : preview) {
        if (square.joker_type != no_kind) {
            odds = 0;  // one special stone in the preview at a time
        }
    }
    const int r = odds > 0 ? random.below(odds) : 0;
    if (r == odds - 1) {
        set_preview(special_stone, stone_count % 5 == 0 ? dynamite : joker);
    } else {
        set_preview(random.below(colour_count) + 1, no_kind);
    }
}

// A special stone that would complete a row where it was drawn would give
// the player a row for nothing; it goes to another free square drawn from
// the same sequence, where it completes none. Only when every free square
// would complete a row does it stay on the square drawn first.
int Spielklasse::square_for_special(int drawn)
{
    bool any_quiet_square = false;
    for (int n = 0; n < Kaestchen && !any_quiet_square; ++n) {
        any_quiet_square = code_at(n) == empty_code && !would_complete_row(n);
    }
    if (!any_quiet_square) {
        return drawn;
    }
    for (;;) {
        const int pos = random.below(Kaestchen);
        if (code_at(pos) == empty_code && !would_complete_row(pos)) {
            return pos;
        }
    }
}

void Spielklasse::place_stone(int field, int color)
{
    grow_pos = grow_pos == 20 ? 1 : grow_pos + 1;
    squares[field].joker_type = preview[preview_pos].joker_type;
    grow_slots[grow_pos] = field;
    set_field(field, growth_code(color));
    check_lines(field);
}

void Spielklasse::drop_turn_stones()
{
    const int squares_total = board_width * board_height;
    int base = 3;
    if (regular_mode && stone_count != 0) {
        base = stone_count > squares_total * 6 / 10 ? 2 : 3;
    }
    const int n = base + pending_extra;
    pending_extra = 0;
    bool full = false;
    for (int i = 0; i < n; ++i) {
        // stone_count is read anew: rows completed by the drops lower it.
        if (stone_count >= squares_total) {
            full = true;
        } else {
            drop_stone();
        }
    }
    window.play_sound(1);
    selected = nullptr;
    if (full) {
        end_game();
    }
}

}  // namespace lumbra
