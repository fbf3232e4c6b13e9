#include "saved_game.h"

#include "spiel.h"

#include <algorithm>

namespace lumbra {
namespace {

// The score that a kept game may hold at most, plus one.
constexpr int score_limit = 5000;

// More owed stones than squares fill the board all the same; a larger or
// negative number from a damaged line must not reach the drop loop.
constexpr int most_owed_stones = Kaestchen;

int digit_value(QChar digit)
{
    return digit.unicode() - u'0';
}

int owed_stones(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::clamp(value, 0, most_owed_stones) : 0;
}

}  // namespace

bool is_digit_text(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

bool is_board_text(const QString& text)
{
    return is_digit_text(text) && text.size() == Kaestchen;
}

bool is_score_text(const QString& text)
{
    if (text.isEmpty() || !is_digit_text(text)) {
        return false;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value < score_limit;
}

SavedGame saved_game_of(const Spielklasse& game)
{
    SavedGame saved;
    for (const Square& square : game.squares) {
        saved.kinds += QString::number(square.joker_type);
        saved.colours += QString::number(square.color == empty_code ? 0 : rest_code(square.color));
    }
    saved.score = QString::number(game.score_display->get_value());
    saved.extra = QString::number(game.pending_extra);
    return saved;
}

bool take_over_saved_game(const SavedGame& saved, Spielklasse& game)
{
    if (!is_board_text(saved.kinds) || !is_board_text(saved.colours) ||
        !is_score_text(saved.score)) {
        return false;
    }
    // The kinds first, so that a special stone shows the picture of its kind.
    for (int n = 0; n < Kaestchen; ++n) {
        game.squares[static_cast<std::size_t>(n)].joker_type = digit_value(saved.kinds[n]);
    }
    for (int n = 0; n < Kaestchen; ++n) {
        const int stone = digit_value(saved.colours[n]);
        game.squares[static_cast<std::size_t>(n)].color = stone;
        game.set_field(n, stone);
    }
    game.score_display->set_value(saved.score.toInt());
    game.pending_extra = owed_stones(saved.extra);
    return true;
}

}  // namespace lumbra
