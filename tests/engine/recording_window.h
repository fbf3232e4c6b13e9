#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game_window.h"
#include "square.h"

namespace lumbra::engine_test {

// A GameWindow that shows nothing and records everything the engine asks of
// it. Its clock, its settings and the pictures its library lacks are set by
// the test.
class RecordingWindow : public GameWindow {
public:
    struct Message {
        std::string caption;
        std::string text;
        MessageIcon icon;
    };

    RecordingWindow();

    std::string settings_line(int index) const override;
    bool show_picture(const Square& square, std::string_view name) override;
    bool show_digit(int position, std::string_view name) override;
    void show_cursor(const Square& square) override;
    void play_sound(int sound_nr) override;
    void show_message(std::string_view caption, std::string_view text, MessageIcon icon) override;
    void show_game_over() override;
    void enter_hall_of_fame() override;
    std::int64_t clock_seconds() const override { return clock; }

    // The last picture shown on `square`, empty when none was.
    std::string picture_of(const Square& square) const;
    // Every picture shown on `square`, oldest first.
    const std::vector<std::string>& pictures_of(const Square& square) const;
    // The score digits as shown, e.g. "0057".
    std::string digits_shown() const;

    std::array<std::string, 20> settings;
    std::int64_t clock = 1000;
    std::set<std::string, std::less<>> missing;
    std::function<void()> on_game_over;  // runs inside show_game_over

    std::map<const Square*, std::vector<std::string>> pictures;
    std::array<std::string, 4> digits;
    std::vector<int> sounds;
    std::vector<Message> messages;
    std::vector<const Square*> cursor_changes;
    int game_overs = 0;
    int hall_of_fame_entries = 0;
};

}  // namespace lumbra::engine_test
