#pragma once

namespace lumbra {

class THighscores;
class Tname_enter;

// Offers `score`, the final score of a game, to the hall of fame of the mode
// being played (lines 0 to 8 of the high-score dialog's hall of fame). When it
// beats an entry, asks for the player's name, inserts the entry, saves both
// lists and shows the high-score dialog. A score that beats no entry changes
// nothing and shows nothing. Returns true when the score entered.
bool enter_hall_of_fame(int score, bool regular_mode, Tname_enter& name_dialog,
                        THighscores& highscores);

}  // namespace lumbra
