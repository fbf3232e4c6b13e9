#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumbra {

struct Square;

enum class MessageIcon { none, stop };

// Everything the engine shows, plays or asks for goes through this one
// interface. The main window implements it; engine tests use a recording fake.
class GameWindow {
public:
    virtual ~GameWindow() = default;

    // Settings line `index` as text; empty past the last line.
    virtual std::string settings_line(int index) const = 0;

    // Shows the library picture `name` on a board or preview square. Returns
    // false when the library lacks the name; the square keeps its old picture.
    virtual bool show_picture(const Square& square, std::string_view name) = 0;

    // Shows the digit picture `name` ("lcd0".."lcd9") on score digit
    // `position`, 0 being the leftmost. Returns false when the name is missing.
    virtual bool show_digit(int position, std::string_view name) = 0;

    // The mouse cursor of a board square changed (see Square::cursor).
    virtual void show_cursor(const Square& square) = 0;

    // Sound 1 "plop_up", 2 "plop_away", 3 "error"; played without waiting.
    virtual void play_sound(int sound_nr) = 0;

    // A modal message box; returns when the player has closed it.
    virtual void show_message(std::string_view caption, std::string_view text,
                              MessageIcon icon) = 0;

    // The end of a game: the game-over dialog, then the hall-of-fame entry of
    // the current score. Both return when their dialogs are closed.
    virtual void show_game_over() = 0;
    virtual void enter_hall_of_fame() = 0;

    // The current time in whole seconds, which seeds the random generator.
    virtual std::int64_t clock_seconds() const = 0;
};

}  // namespace lumbra
