#include "pictures.h"

#include <array>

#include "types.h"

namespace lumbra {
namespace {

using Row = std::array<std::string_view, colour_count>;

// Colour stones by animation step (rows) and colour 1..7 (columns).
constexpr std::array<Row, 11> colour_pictures{{
    /*  1.. 7 */ {"red0005", "green0005", "blue0005", "yellow0005", "lblue0005", "black0005", "purple0005"},
    /*  9..15 */ {"red0006", "green0006", "blue0006", "yellow0006", "lblue0006", "black0006", "purple0006"},
    /* 17..23 */ {"red0007", "green0007", "blue0007", "yellow0007", "lblue0007", "black0007", "purple0007"},
    /* 25..31 */ {"red0008", "green0008", "blue0008", "yellow0008", "lblue0008", "black0008", "purple0008"},
    /* 33..39 */ {"red0009", "green0009", "blue0009", "yellow0009", "lblue0009", "black0009", "purple0009"},
    /* 41..47 */ {"red0010", "green0010", "blue0010", "yellow0010", "lblue0010", "black0010", "purple0010"},
    /* 49..55 */ {"red0000", "green0000", "blue0000", "yellow0000", "lblue0000", "black0000", "purple0000"},
    /* 57..63 */ {"red0001", "green0001", "blue0001", "yellow0001", "lblue0001", "black0001", "purple0001"},
    /* 65..71 */ {"red0002", "green0002", "blue0002", "yellow0002", "lblue0002", "black0002", "purple0002"},
    /* 73..79 */ {"red0003", "green0003", "blue0003", "yellow0003", "lblue0003", "black0003", "purple0003"},
    /* 81..87 */ {"red0004", "green0004", "blue0004", "yellow0004", "lblue0004", "black0004", "purple0004"},
}};

// Special stones by animation step: kind 2 dynamite, kind 3 question ball,
// kind 4 blast, and every other kind (the joker). A blast at rest or
// bouncing looks like a joker; while it vanishes it shows the blast frames.
enum SpecialColumn { dynamite_column, question_column, blast_column, joker_column };
constexpr std::array<std::array<std::string_view, 4>, 11> special_pictures{{
    /*  8 */ {"dynamit0005", "quest0005", "joker0005", "joker0005"},
    /* 16 */ {"dynamit0006", "quest0006", "joker0006", "joker0006"},
    /* 24 */ {"dynamit0007", "quest0007", "joker0007", "joker0007"},
    /* 32 */ {"dynamit0008", "quest0008", "joker0008", "joker0008"},
    /* 40 */ {"dynamit0009", "quest0009", "joker0009", "joker0009"},
    /* 48 */ {"dynamit0010", "quest0010", "joker0010", "joker0010"},
    /* 56 */ {"dynamit0000", "quest0000", "dynamit0015", "joker0000"},
    /* 64 */ {"dynamit0001", "quest0001", "dynamit0014", "joker0001"},
    /* 72 */ {"dynamit0002", "quest0002", "dynamit0012", "joker0002"},
    /* 80 */ {"dynamit0003", "quest0003", "dynamit0013", "joker0003"},
    /* 88 */ {"dynamit0004", "quest0004", "dynamit0014", "joker0004"},
}};

constexpr std::array<std::string_view, 10> digit_pictures{
    "lcd0", "lcd1", "lcd2", "lcd3", "lcd4", "lcd5", "lcd6", "lcd7", "lcd8", "lcd9"};

constexpr std::string_view empty_picture = "empty";

SpecialColumn special_column(int joker_type)
{
    switch (joker_type) {
    case dynamite: return dynamite_column;
    case question_ball: return question_column;
    case blast: return blast_column;
    default: return joker_column;
    }
}

}  // namespace

std::string_view board_picture(int code, int joker_type)
{
    if (code == empty_code) {
        return empty_picture;
    }
    const int step = step_of(code);
    if (step >= static_cast<int>(colour_pictures.size())) {
        return {};
    }
    if (is_special_code(code)) {
        return special_pictures[step][special_column(joker_type)];
    }
    return colour_pictures[step][colour_of(code) - 1];
}

std::string_view question_underlay(int code, int joker_type)
{
    if (joker_type == question_ball && is_special_code(code) && code <= last_bounce_code) {
        return special_pictures[step_of(code)][joker_column];
    }
    return {};
}

std::string_view preview_picture(int code, int joker_type)
{
    if (code == empty_code) {
        return empty_picture;
    }
    if (code < special_stone) {
        return colour_pictures[0][code - 1];
    }
    if (code == special_stone) {
        switch (joker_type) {
        case joker: return special_pictures[0][joker_column];
        case dynamite: return special_pictures[0][dynamite_column];
        case question_ball: return special_pictures[0][question_column];
        default: return {};
        }
    }
    return {};
}

std::string_view digit_picture(int digit)
{
    return digit_pictures[digit];
}

}  // namespace lumbra
