#pragma once

// Score pages and hall-of-fame lines built from short descriptions, so that a
// test shows the table it reads at a glance.

#include "hall_of_fame.h"
#include "score.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace lumbra::testing_pages {

// A row line as the score keeper's page writes it.
inline QString row_line(qint32 points, const QString& name, const QString& country)
{
    return QStringLiteral("<TR><TD><!--poi-->%1</TD><TD><!--nam-->%2</TD><TD><!--cou-->%3</TD></TR>")
        .arg(points)
        .arg(name, country);
}

// A page: a head, the marker line, then each row two lines after the
// previous row's line (a spacer line and a line of its own in between).
inline QStringList page_with_rows(const QList<score>& rows,
                                  const QString& marker = QStringLiteral("<!-- first row -->"))
{
    QStringList lines = {QStringLiteral("<HTML><BODY><TABLE>"), marker};
    for (const score& row : rows) {
        lines.append(QStringLiteral("<TR><TD COLSPAN=3></TD></TR>"));
        lines.append(row_line(row.points, row.name, row.country));
        lines.append(QStringLiteral("<!-- next -->"));
    }
    lines.append(QStringLiteral("</TABLE></BODY></HTML>"));
    return lines;
}

inline score row(qint32 points, const QString& name, const QString& country = QStringLiteral("Norway"))
{
    score result;
    result.points = points;
    result.name = name;
    result.country = country;
    return result;
}

// Nine rows from 200 down to 40 in steps of 20, named "Web 1" .. "Web 9".
inline QList<score> falling_rows()
{
    QList<score> rows;
    for (int r = 0; r < 9; ++r)
        rows.append(row(200 - 20 * r, QStringLiteral("Web %1").arg(r + 1)));
    return rows;
}

// The current mode's nine hall-of-fame lines of a player who reached the
// given entries, in this order, with the default entries of a new hall of
// fame below them (dropped by every evaluation).
inline QStringList hall_of_fame(const QList<score>& entries)
{
    HallOfFame hall;
    for (int index = 0; index < int(entries.size()); ++index)
        hall.insert(index, entries[index].points, entries[index].name);
    return hall.lines().mid(0, HallOfFame::ranks);
}

}  // namespace lumbra::testing_pages
