// The end of a game and the start of the next, and the developer's mirror.

#include "spiel.h"

namespace lumbra {

bool Spielklasse::end_game()
{
    // A recent drop may complete a row now; then the game goes on. Every
    // slot is tested, even after one found a row.
    bool row_found = false;
    for (int i = 1; i <= 20; ++i) {
        row_found = check_lines(grow_slots[i]) || row_found;
    }
    if (row_found) {
        return false;
    }
    clear_reachable();
    grow_pos = 0;
    grow_slots.fill(0);
    // The old game stops moving before its dialogs show: no ball travels on
    // and no vanishing runs on into the new board.
    stop_animations();
    window.show_game_over();
    window.enter_hall_of_fame();
    stone_count = 0;
    selected = nullptr;
    pending_extra = 0;
    score_display->set_value(0);
    for (int n = 0; n < Kaestchen; ++n) {
        set_field(n, empty_code);
    }
    for (int i = 0; i < 3; ++i) {
        drop_stone();
    }
    window.play_sound(1);
    return true;
}

void Spielklasse::stop_animations()
{
    path.make_empty();
    vanish_queue.make_empty();
    vanishing.fill(false);
    selected = nullptr;
    busy = false;
}

void Spielklasse::exchange_squares(int a, int b)
{
    const int kept_kind = squares[a].joker_type;
    const int kept_code = code_at(a);
    squares[a].joker_type = squares[b].joker_type;
    set_field(a, code_at(b));
    squares[b].joker_type = kept_kind;
    set_field(b, kept_code);
}

int Spielklasse::mirror_board([[maybe_unused]] int index)
{
    if (stone_count % 2 == 0) {
        // Each row's four left stones change places with its four right ones.
        for (int row = 0; row < board_rows; ++row) {
            for (int column = 0; column < 4; ++column) {
                exchange_squares(row * board_columns + column, row * board_columns + column + 5);
            }
        }
        for (int n = 4; n < Kaestchen; n += board_columns) {
            check_lines(n);
        }
    } else {
        // The top four rows change places with the bottom four.
        for (int i = 0; i < 4 * board_columns; ++i) {
            exchange_squares(i, i + 5 * board_columns);
        }
        for (int n = 4 * board_columns; n < 5 * board_columns; ++n) {
            check_lines(n);
        }
    }
    return 0;
}

}  // namespace lumbra
