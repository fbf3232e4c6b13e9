#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

namespace lumbra {

// The twenty numbered settings lines, held as plain text in memory and kept
// in the user's settings (group "set" of Hollowick/lumbra) as the values
// "1".."20", each line scrambled.
//
//   2 sounds on        3/4 window left/top   6 regular mode   10 depth warning
//  11 extra library    12 speed              13 standard cursor
//  14/15/16/18 the autosaved game (kinds, colours, score, owed stones)
//  17 autosave         19 autosave notice    0, 1, 5, 7, 8, 9 reserved
class SettingsStore {
public:
    static constexpr int line_count = 20;

    enum Line {
        sound_on = 2,
        window_left = 3,
        window_top = 4,
        regular_mode = 6,
        depth_warning = 10,
        additional_library = 11,
        speed = 12,
        standard_cursor = 13,
        saved_kinds = 14,
        saved_colours = 15,
        saved_score = 16,
        autosave = 17,
        saved_extra = 18,
        autosave_notice = 19,
    };

    // The lines a first run stores: sounds on, Normal speed, regular mode,
    // the window at `window_position`, the warning shown, no additional
    // library, no saved game, autosave off, the notice on.
    static QStringList first_run_lines(QPoint window_position);

    // Reads the lines from the user's settings. On a first run (no group
    // "set" yet) it first stores first_run_lines(window_position) and the
    // "version" value. Then it repairs every line that must hold a number and
    // does not, which makes it "1".
    void load(QPoint window_position);

    // Writes the twenty lines back, scrambled; "version" stays as it is.
    void save() const;

    // Line `index` as text; empty past the last line.
    QString line(int index) const;
    // Line `index` as a number; 0 when it holds none (load() repairs the
    // lines that must hold one).
    int number(int index) const;
    // A flag: any number but 0 is on.
    bool flag(int index) const { return number(index) != 0; }

    // Writing past the last line does nothing; the list never grows.
    void set_line(int index, const QString& text);
    void set_number(int index, int value) { set_line(index, QString::number(value)); }
    void set_flag(int index, bool on) { set_line(index, on ? QStringLiteral("1") : QStringLiteral("0")); }

    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
};

}  // namespace lumbra
