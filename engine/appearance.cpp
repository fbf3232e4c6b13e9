// Every change of a square's picture goes through set_field and set_preview.

#include "assertion.h"
#include "pictures.h"
#include "spiel.h"

namespace lumbra {

void Spielklasse::set_field(int field, int color)
{
    show_code(field, color);
}

bool Spielklasse::show_code(int field, int color)
{
    LUMBRA_ASSERT((0<=field)&&(Kaestchen>field)&&(0<=color)&&(89>=color));
    Square& square = squares[field];
    const std::string_view underlay = question_underlay(color, square.joker_type);
    const std::string_view name = board_picture(color, square.joker_type);
    if ((!underlay.empty() && !window.show_picture(square, underlay)) ||
        (!name.empty() && !window.show_picture(square, name))) {
        report_missing_picture();
        return false;
    }
    if (color == empty_code) {
        square.joker_type = no_kind;
    }
    square.color = color;
    return true;
}

void Spielklasse::set_preview(int color, int joker_type)
{
    LUMBRA_ASSERT(0<=color);
    Square& square = preview[preview_pos];
    square.color = color;
    preview_colors[preview_pos] = color;
    if (color < special_stone) {
        square.joker_type = no_kind;
    } else if (color == special_stone) {
        LUMBRA_ASSERT(joker_type!=0);
        square.joker_type = joker_type;
    }
    const std::string_view name = preview_picture(color, square.joker_type);
    // A missing picture must not stop the preview ring: the stone is recorded
    // and the next preview square is still the one to fill.
    if (!name.empty() && !window.show_picture(square, name)) {
        report_missing_picture();
    }
    preview_pos = (preview_pos + 1) % preview_size;
}

void Spielklasse::report_missing_picture()
{
    window.show_message("Error... sorry...", "Error #1 occured. Please inform the game's author.",
                        MessageIcon::stop);
}

}  // namespace lumbra
