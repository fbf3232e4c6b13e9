#pragma once

// The small vocabulary every rule shares: square numbers, stone codes,
// special kinds and animation frames. Rules ask these helpers instead of
// doing the arithmetic of a code on their own.

namespace lumbra {

// Squares are numbered 0..80 row by row, row 0 at the top.
inline constexpr int board_columns = 9;
inline constexpr int board_rows = 9;
inline constexpr int Kaestchen = board_columns * board_rows;
inline constexpr int preview_size = 3;

// A stone code is 0 (empty) or stone + 8 x step, stone 1..7 a colour and 8 a
// special stone, step 0..10 the animation step. Steps 1..5 bounce a selected
// ball, steps 6..10 grow a new stone (rising) or vanish a removed one
// (falling).
inline constexpr int empty_code = 0;
inline constexpr int colour_count = 7;
inline constexpr int special_stone = 8;
inline constexpr int code_step = 8;
inline constexpr int last_bounce_code = 48;          // top of steps 1..5
inline constexpr int growth_offset = 48;             // stone + 48: first growth frame
inline constexpr int vanish_offset = 80;             // colour + 80: first vanishing frame
inline constexpr int last_growth_code = 80;          // a code above this has finished growing
inline constexpr int last_vanish_frame_code = 57;    // below this the next vanish pass empties

// The special kind (`joker_type`) of a square.
enum SpecialKind : int {
    no_kind = 0,
    joker = 1,
    dynamite = 2,
    question_ball = 3,
    blast = 4,
};

// The colour of a code: 1..7, or 0 for an empty square and a special stone,
// whatever the animation step.
constexpr int colour_of(int code) { return code % code_step; }

constexpr bool is_special_code(int code) { return code != empty_code && colour_of(code) == 0; }

// The code of the stone at rest: its colour, or 8 for a special stone.
constexpr int rest_code(int code) { return is_special_code(code) ? special_stone : colour_of(code); }

// The animation step of a non-empty code, 0..10 (11 for code 89).
constexpr int step_of(int code) { return (code - 1) / code_step; }

// The frame number of the picture a non-empty code shows, 0..10.
constexpr int frame_of(int code) { return (step_of(code) + 5) % 11; }

constexpr int growth_code(int stone) { return stone + growth_offset; }
constexpr int vanish_code(int code) { return colour_of(code) + vanish_offset; }

// A direction on the board: vertical 'u', 'd' or 'n' (none) and horizontal
// 'l', 'r' or 'n'.
struct Direction {
    char vertical;
    char horizontal;
};

}  // namespace lumbra
