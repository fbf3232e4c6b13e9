#pragma once

#include <string_view>

// The names of the pictures every graphics library holds for the stones, the
// empty square and the score digits.

namespace lumbra {

// The picture of board code `code` (0..89) on a square of special kind
// `joker_type`; empty for code 89, which names no picture.
std::string_view board_picture(int code, int joker_type);

// A question ball at a bounce or rest code first shows the joker frame and
// then its own over it; this is that joker frame, empty for every other
// stone.
std::string_view question_underlay(int code, int joker_type);

// The picture of preview code `code` (0..8) of kind `joker_type`; empty when
// the code shows nothing (codes above 8, a special stone of kind 4).
std::string_view preview_picture(int code, int joker_type);

// "lcd0".."lcd9".
std::string_view digit_picture(int digit);

}  // namespace lumbra
