#pragma once

// The game engine: the board, its stones and every rule of the game. It
// knows nothing of how it is shown; it reaches its window only through
// GameWindow, and the window passes clicks and timer ticks in.

#include <array>
#include <cstdint>
#include <memory>
#include <utility>

#include "game_window.h"
#include "lcd.h"
#include "random.h"
#include "square.h"
#include "stack.h"
#include "types.h"

namespace lumbra {

class Spielklasse {
public:
    // Reads the sound and game-mode settings, draws and shows the three
    // preview stones (unseeded) and creates the score display at 0. The
    // board squares start empty, without pictures. The window, once its
    // widgets exist, shows the board with set_field(n, 0) for every square,
    // shows the preview again with set_preview(code, kind) for each preview
    // square in turn (which leaves preview_pos where it was), seeds the
    // generator and then drops three stones or restores a saved game.
    Spielklasse(GameWindow& window, int columns, int rows);
    // The squares point back to their engine, so it stays where it was made.
    Spielklasse(const Spielklasse&) = delete;
    Spielklasse& operator=(const Spielklasse&) = delete;

    // --- board model -----------------------------------------------------
    int count_stones() const;          // board squares whose code is not 0
    bool is_special(int field) const;  // square `field` holds a special stone

    // --- pictures --------------------------------------------------------
    // Shows code `color` (0..89) on board square `field` and stores it; code
    // 0 also resets the kind. A missing picture shows an error box and leaves
    // the square as it was.
    void set_field(int field, int color);
    // Shows a stone on preview square `preview_pos` and moves `preview_pos` on.
    void set_preview(int color, int joker_type);

    // --- rows, removal, scoring -----------------------------------------
    // The code one step from square n, 0 when that step leaves the board.
    int neighbour_code(int n, char vertical_direction, char horizontal_direction) const;
    // The square one step from n; only for steps that stay on the board.
    static int step(int n, char vertical_direction, char horizontal_direction);
    // Whether a stone of code a may continue a run whose last stone is b.
    static bool matches(int a, int b);
    // Removes and scores the rows through square `field`; true when it did.
    bool check_lines(int field);
    void queue_vanish(int field);  // starts the vanishing of one stone
    void sweep_color(int color);   // every resting stone of a colour explodes
    void add_points(int n);        // scores a removal of size n

    // --- drops -----------------------------------------------------------
    void drop_stone();                         // one stone from the preview, or the end
    void place_stone(int field, int color);    // puts a growing stone on a free square
    void drop_turn_stones();                   // the drops after a move that completed no row
    bool would_complete_row(int field);        // a special stone here would complete a row

    // --- selection and travel ------------------------------------------
    void field_clicked(Square& square);  // a click on a board or preview square
    void mark_reachable(int field);
    void clear_reachable();
    // Leaves the shortest route from the selected ball to `target` in `path`
    // (start on top), or plays "error" and leaves `path` empty.
    void find_path(int target);
    void travel_step();  // one tick of the move timer

    // --- animation steps (one highlight tick calls all three in order) ---
    void bounce_selected();
    void grow_step();
    void vanish_step();  // one vanishing pass per call

    // --- turn cycle -------------------------------------------------------
    // Ends the game and starts the next one; false when a row among the
    // recent drops lets the game go on.
    bool end_game();
    int mirror_board(int index);  // developer operation: swaps board halves

    // --- cursors -----------------------------------------------------------
    void choose_cursor(Square& square);
    void update_cursors();  // choose_cursor for all board squares

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

private:
    bool settings_flag(int line) const;
    bool show_code(int field, int color);  // set_field; false when a picture was missing
    void report_missing_picture();
    bool is_vanishing(int field) const { return vanishing[field]; }
    int code_at(int field) const { return squares[field].color; }
    int walk_code(int n, Direction direction) const;
    std::pair<int, int> side_colors(int p, Direction first, Direction second) const;
    void tally_line(int field, int line, std::array<int, 8>& counts) const;
    int remove_run(int field, Direction direction, const std::array<int, 8>& counts,
                   bool& dynamite_found);
    int square_for_special(int drawn);
    void apply_cursor(Square& square, bool standard_cursor);
    void exchange_squares(int a, int b);
    void stop_animations();

    Random random;
    // Squares whose stones are vanishing: occupied for drops and travel, but
    // outside every row check, so a row is found, queued and scored once.
    std::array<bool, Kaestchen> vanishing{};
    Stack<int> best_route;  // the path search's best route so far, kept for its nodes
};

}  // namespace lumbra
