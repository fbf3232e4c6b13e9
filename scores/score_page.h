#pragma once

#include "score.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace lumbra {

// How many rows the internet table and each local hall of fame hold.
inline constexpr int score_table_rows = 9;

// Reads one row line of the score page. The points, name and country cells
// are found in that order by the keywords "poi", "nam" and "cou", each
// searched for in what is left of the line after the previous keyword; a
// value starts six characters after its keyword's first letter and ends
// before the next "</TD". Nothing when the points are not a decimal integer.
std::optional<score> parse_web_row(const QString& line);

// Reads a hall-of-fame line: the points from columns 4 to 14, the name from
// column 14 to the end, the country "???". Nothing when the points are not a
// decimal integer, as in a line damaged outside the program.
std::optional<score> parse_local_line(const QString& line);

// True for an entry of the lists a new installation starts with: one of
// their nine names, with points that are a multiple of 5.
bool is_default_entry(const score& row);

// The page's nine rows, best first: the lines 2, 5, ..., 26 below the first
// line that reads "<!-- first row -->" in any letter case (counted from line
// -1 when the page has no such line). Nothing when the page is too short for
// them or a row's points are not a decimal integer.
std::optional<QList<score>> read_web_table(const QStringList& page_lines);

// A row as the internet list shows it: the points, the name from column 11
// and the country from column 36, each later when what comes before is longer.
QString table_line(const score& row);

}  // namespace lumbra
