#pragma once

#include <QString>

namespace lumbra {

class Spielklasse;

// A running game as the settings keep it over a restart: the special kind
// and the colour of every board square, the score and the extra stones
// still owed. The preview, the selection and the animations are not kept;
// every stone comes back at rest.
struct SavedGame {
    QString kinds;    // 81 digits, the joker_type of squares 0..80
    QString colours;  // 81 digits: 0 empty, 1..7 a colour, 8 a special stone
    QString score;    // the score in decimal
    QString extra;    // pending_extra in decimal
};

// True when every character is a digit 0..9; true for the empty text.
bool is_digit_text(const QString& text);
// Digits only, exactly one per board square.
bool is_board_text(const QString& text);
// Digits only, of a value below 5000.
bool is_score_text(const QString& text);

// The game on `game`'s board, as it is to be kept.
SavedGame saved_game_of(const Spielklasse& game);

// Puts a kept game back on `game`'s board: kinds, stones (through set_field,
// so they show), score and owed stones. A game whose board lines or score
// fail the tests above is refused and nothing changes; then it returns false.
// No row is checked and nothing else of the engine changes.
bool take_over_saved_game(const SavedGame& saved, Spielklasse& game);

}  // namespace lumbra
