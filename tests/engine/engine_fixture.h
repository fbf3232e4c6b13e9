#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "recording_window.h"
#include "spiel.h"

namespace lumbra::engine_test {

// The stone a letter of a board picture stands for: '.' empty, R G B Y L K P
// the seven colours (L light blue, K black), J joker, D dynamite, Q question
// ball, X blast. A lower-case letter is the same stone and marks the square
// a test looks at.
struct Stone {
    int code = 0;
    int kind = 0;
};
Stone stone_of(char letter);
char letter_of(const Square& square);

// The number of the square in `row` and `column`.
constexpr int at(int row, int column) { return row * 9 + column; }

// An engine on a recording window, with boards built from short pictures:
//     setup({"RRRRr....",
//            "........."});
// fills the top rows (the rest stays empty) and remembers the marked square.
class EngineTest : public ::testing::Test {
protected:
    void setup(const std::vector<std::string_view>& rows);

    // The top `count` rows as letters, e.g. {"RRRR.....", "........."}.
    std::vector<std::string> rows(int count = 9) const;

    // Runs the vanishing passes until no stone vanishes; returns the passes.
    int finish_vanishing();

    // Fills squares 0..count-1 with resting stones in a pattern that holds
    // no two stones of one colour side by side in any line, so no drop onto
    // the rest of the board completes a row.
    void fill_without_rows(int count);

    // The colour a stone on square n has in fill_without_rows.
    static int pattern_colour(int n) { return (n / 9 * 3 + n % 9) % 7 + 1; }


    RecordingWindow window;
    Spielklasse game{window, 9, 9};
    int marked = -1;
};

}  // namespace lumbra::engine_test
