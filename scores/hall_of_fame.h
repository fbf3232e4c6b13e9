#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lumbra {

// A hall-of-fame line: the rank digit, ".", four blanks, the score from
// column 7, blanks, then the name ("3.    120      Mr. Brandt").

// The score of a line: the digits from column 7 up to the next blank. A line
// whose score cannot be read (damaged or empty) counts as 0.
int line_score(const QString& line);

// The line a new entry at `index` (0 = rank 1) starts with: rank, ".", four
// blanks, the score and 10 minus its digit count blanks, so the name starts
// at column 17 (a score of 0 has no digits).
QString new_line_start(int index, int score);

// The two halls of fame of nine entries each, one per game mode, as 29 text
// lines: lines 0 to 8 belong to the mode being played, 9 to 19 are empty and
// 20 to 28 belong to the other mode. Stored in the settings group "hi",
// values "1" to "29", each line in scrambled form.
class HallOfFame {
public:
    static constexpr int line_count = 29;
    static constexpr int ranks = 9;
    static constexpr int other_mode_first = 20;

    // The default lists in both modes.
    HallOfFame();

    const QStringList& lines() const { return lines_; }

    // Where `score` enters the current mode's list (0 = rank 1), or nothing
    // when it beats no entry. Ties go below the entries already there.
    std::optional<int> entry_index(int score) const;

    // Moves the entries from `index` down one rank (rank digits rewritten, the
    // last entry lost) and puts the new entry at `index`.
    void insert(int index, int score, const QString& name);

    // The game mode changed: lines 0 to 8 and 20 to 28 change places.
    void exchange_modes();

    // Reads the stored lines. Without a stored hall of fame (first start) the
    // lines stay as they are; a missing value, or a value that is not text,
    // gives an empty line.
    void load();

    // Writes all 29 lines in stored form. False when the settings file could
    // not be written; the lines in memory are kept either way.
    bool save() const;

private:
    QStringList lines_;
};

}  // namespace lumbra
