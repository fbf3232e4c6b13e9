#pragma once

// Interface contract between the rules and the window. The engine helper owns
// the implementation and may add private members and helpers; the public
// names below are what the window and the shell call.

#include <array>
#include <memory>

#include "game_window.h"
#include "lcd.h"
#include "random.h"
#include "square.h"
#include "stack.h"
#include "types.h"

namespace lumbra {

class Spielklasse {
public:
    Spielklasse(GameWindow& window, int columns, int rows);

    // --- board model -----------------------------------------------------
    int count_stones() const;
    bool is_special(int field) const;

    // --- pictures --------------------------------------------------------
    void set_field(int field, int color);
    void set_preview(int color, int joker_type);

    // --- rows, removal, scoring -----------------------------------------
    int neighbour_code(int n, char vertical_direction, char horizontal_direction) const;
    static int step(int n, char vertical_direction, char horizontal_direction);
    static bool matches(int a, int b);
    bool check_lines(int field);
    void queue_vanish(int field);
    void sweep_color(int color);
    void add_points(int n);

    // --- drops -----------------------------------------------------------
    void drop_stone();
    void place_stone(int field, int color);
    void drop_turn_stones();  // the drops after a move that completed no row
    bool would_complete_row(int field);

    // --- selection and travel ------------------------------------------
    void field_clicked(Square& square);
    void mark_reachable(int field);
    void clear_reachable();
    void find_path(int target);
    void travel_step();

    // --- animation steps (one highlight tick calls all three in order) ---
    void bounce_selected();
    void grow_step();
    void vanish_step();  // one vanishing pass per call

    // --- turn cycle -------------------------------------------------------
    bool end_game();
    int mirror_board(int index);

    // --- cursors -----------------------------------------------------------
    void choose_cursor(Square& square);
    void update_cursors();

    // Seeds the engine's random generator (start-up seeds it with the clock).
    void seed_random(std::uint32_t seed);

    // --- state, named as the rules name it -----------------------------------
    Stack<int> path;
    std::array<Square, Kaestchen> squares{};
    std::array<Square, 3> preview{};
    int stone_count = 0;
    int board_width = 9;
    int board_height = 9;
    int preview_pos = 0;
    int pending_extra = 0;
    int grow_pos = 0;
    std::array<int, 21> grow_slots{};  // slots 1..20 are used; 0 stays unused
    std::array<int, 3> preview_colors{};
    Stack<int> vanish_queue;
    Square* selected = nullptr;
    bool busy = false;
    bool sound_on = true;
    bool regular_mode = true;
    std::array<int, Kaestchen> dist{};
    std::unique_ptr<lcd> score_display;
    GameWindow& window;
};

}  // namespace lumbra
