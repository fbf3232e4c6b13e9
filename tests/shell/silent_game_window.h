#pragma once

// A GameWindow that shows every picture without a screen, so the engine can
// be driven alone. It notes the last picture of each square.

#include <array>
#include <map>
#include <string>

#include "game_window.h"
#include "square.h"

namespace lumbra {

class SilentGameWindow : public GameWindow {
public:
    std::string settings_line(int index) const override
    {
        return index >= 0 && index < static_cast<int>(settings.size()) ? settings[static_cast<std::size_t>(index)] : std::string();
    }
    bool show_picture(const Square& square, std::string_view name) override
    {
        pictures[&square] = std::string(name);
        return true;
    }
    bool show_digit(int, std::string_view) override { return true; }
    void show_cursor(const Square&) override {}
    void play_sound(int) override {}
    void show_message(std::string_view, std::string_view, MessageIcon) override { ++messages; }
    void show_game_over() override {}
    void enter_hall_of_fame() override {}
    std::int64_t clock_seconds() const override { return 1000; }

    // Sounds on, regular mode.
    std::array<std::string, 20> settings{"0", "0", "1", "0", "0", "0", "1"};
    std::map<const Square*, std::string> pictures;
    int messages = 0;
};

}  // namespace lumbra
