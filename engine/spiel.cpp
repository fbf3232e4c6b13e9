#include "spiel.h"

#include <charconv>
#include <string>

namespace lumbra {

Spielklasse::Spielklasse(GameWindow& window, int columns, int rows) : window(window)
{
    sound_on = settings_flag(2);
    preview_pos = 0;
    for (int i = 0; i < preview_size; ++i) {
        preview_colors[i] = random.below(colour_count) + 1;
        Square& square = preview[i];
        square.game = this;
        square.clickable = false;
        square.Tag = i;
        set_preview(preview_colors[i], no_kind);
    }
    regular_mode = settings_flag(6);
    for (int n = 0; n < Kaestchen; ++n) {
        Square& square = squares[n];
        square.game = this;
        square.clickable = true;
        square.Tag = n;
    }
    busy = false;
    stone_count = 0;
    board_width = columns;
    board_height = rows;
    selected = nullptr;
    preview_pos = 0;
    grow_pos = 0;
    grow_slots.fill(0);
    path.push(0);
    score_display = std::make_unique<lcd>(window, 0, 4, 3, 3, 30, 45);
    pending_extra = 0;
}

int Spielklasse::count_stones() const
{
    int count = 0;
    for (const Square& square : squares) {
        count += square.color != empty_code ? 1 : 0;
    }
    return count;
}

bool Spielklasse::is_special(int field) const
{
    return is_special_code(code_at(field));
}

void Spielklasse::seed_random(std::uint32_t seed)
{
    random.seed(seed);
}

// Any integer but 0 is on. The settings store repairs a line that holds no
// integer to "1" when it loads, so such a line reads as on here too.
bool Spielklasse::settings_flag(int line) const
{
    const std::string text = window.settings_line(line);
    int value = 1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return true;
    }
    return value != 0;
}

}  // namespace lumbra
