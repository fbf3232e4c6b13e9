#include "score_page.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace lumbra {
namespace {

// Removes every character with a code up to 32 (blanks, tabs, line ends and
// other control characters) from both ends.
QString trim_controls(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

std::optional<qint32> decimal_integer(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    bool fits = false;
    const qint32 value = text.toInt(&fits, 10);
    if (!fits)
        return std::nullopt;
    return value;
}

// Cuts `rest` to what follows `keyword` and returns the cell value there.
QString take_cell(QString& rest, QLatin1StringView keyword)
{
    // The value begins after the keyword and the three characters of the
    // comment's end ("-->") that precede it on the page; without the keyword
    // the line is cut as if it had been found in front of the first character.
    const qsizetype found = rest.indexOf(keyword);
    rest = rest.mid(found >= 0 ? found + 6 : 5);
    const qsizetype end = rest.indexOf(QLatin1StringView("</TD"));
    return end >= 0 ? trim_controls(rest.left(end)) : QString();
}

}  // namespace

QStringList page_lines_of(const QString& text)
{
    static const QRegularExpression line_break(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(line_break);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::optional<score> parse_web_row(const QString& line)
{
    QString rest = line;
    const std::optional<qint32> points = decimal_integer(take_cell(rest, QLatin1StringView("poi")));
    if (!points)
        return std::nullopt;
    score row;
    row.points = *points;
    row.name = take_cell(rest, QLatin1StringView("nam"));
    row.country = take_cell(rest, QLatin1StringView("cou"));
    return row;
}

std::optional<score> parse_local_line(const QString& line)
{
    const std::optional<qint32> points = decimal_integer(trim_controls(line.mid(3, 11)));
    if (!points)
        return std::nullopt;
    score row;
    row.points = *points;
    row.name = trim_controls(line.mid(13));
    row.country = QStringLiteral("???");
    return row;
}

bool is_default_entry(const score& row)
{
    static const std::array<QLatin1StringView, score_table_rows> default_names = {
        QLatin1StringView("Vex"),         QLatin1StringView("Orla"),
        QLatin1StringView("Mr. Brandt"),  QLatin1StringView("Anton Lisle Marrow"),
        QLatin1StringView("Tobin Hale"),  QLatin1StringView("Simon Carrow"),
        QLatin1StringView("Milo Dantry"), QLatin1StringView("Felix Ambry"),
        QLatin1StringView("Peter R. Lumm")};
    if (row.points % 5 != 0)
        return false;
    return std::find(default_names.begin(), default_names.end(), row.name) != default_names.end();
}

std::optional<QList<score>> read_web_table(const QStringList& page_lines)
{
    static const QString marker = QStringLiteral("<!-- first row -->");
    qsizetype marker_index = -1;
    for (qsizetype i = 0; i < page_lines.size(); ++i) {
        if (page_lines[i].compare(marker, Qt::CaseInsensitive) == 0) {
            marker_index = i;
            break;
        }
    }
    QList<score> rows;
    for (int r = 0; r < score_table_rows; ++r) {
        const qsizetype index = marker_index + 2 + 3 * r;
        if (index >= page_lines.size())
            return std::nullopt;
        std::optional<score> row = parse_web_row(page_lines[index]);
        if (!row)
            return std::nullopt;
        rows.append(*row);
    }
    return rows;
}

QString table_line(const score& row)
{
    QString line = QString::number(row.points).leftJustified(10, u' ');
    line += row.name;
    return line.leftJustified(35, u' ') + row.country;
}

}  // namespace lumbra
