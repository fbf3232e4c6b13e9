#include "recording_window.h"

namespace lumbra::engine_test {

RecordingWindow::RecordingWindow()
{
    settings[2] = "1";   // sound on
    settings[6] = "1";   // regular mode
    settings[12] = "1";  // normal speed
    settings[13] = "0";  // game cursors
}

std::string RecordingWindow::settings_line(int index) const
{
    return index >= 0 && index < static_cast<int>(settings.size()) ? settings[index] : std::string{};
}

bool RecordingWindow::show_picture(const Square& square, std::string_view name)
{
    if (missing.contains(name)) {
        return false;
    }
    pictures[&square].emplace_back(name);
    return true;
}

bool RecordingWindow::show_digit(int position, std::string_view name)
{
    if (missing.contains(name)) {
        return false;
    }
    digits.at(position) = std::string(name);
    return true;
}

void RecordingWindow::show_cursor(const Square& square)
{
    cursor_changes.push_back(&square);
}

void RecordingWindow::play_sound(int sound_nr)
{
    sounds.push_back(sound_nr);
}

void RecordingWindow::show_message(std::string_view caption, std::string_view text, MessageIcon icon)
{
    messages.push_back({std::string(caption), std::string(text), icon});
}

void RecordingWindow::show_game_over()
{
    ++game_overs;
    if (on_game_over) {
        on_game_over();
    }
}

void RecordingWindow::enter_hall_of_fame()
{
    ++hall_of_fame_entries;
}

std::string RecordingWindow::picture_of(const Square& square) const
{
    const auto& shown = pictures_of(square);
    return shown.empty() ? std::string{} : shown.back();
}

const std::vector<std::string>& RecordingWindow::pictures_of(const Square& square) const
{
    static const std::vector<std::string> none;
    const auto found = pictures.find(&square);
    return found == pictures.end() ? none : found->second;
}

std::string RecordingWindow::digits_shown() const
{
    std::string text;
    for (const std::string& name : digits) {
        text += name.empty() ? '?' : name.back();
    }
    return text;
}

}  // namespace lumbra::engine_test
