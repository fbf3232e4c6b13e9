#include "score_page.h"

#include "hall_of_fame.h"

#include <QRegularExpression>

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
    // The names of the lists a new hall of fame starts with.
    static const QStringList default_names = [] {
        QStringList names;
        for (const QString& line : HallOfFame().lines().mid(0, HallOfFame::ranks))
            names.append(parse_local_line(line).value_or(score()).name);
        return names;
    }();
    return row.points % 5 == 0 && default_names.contains(row.name);
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
