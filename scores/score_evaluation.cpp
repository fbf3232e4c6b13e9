#include "score_evaluation.h"

#include <algorithm>

namespace lumbra {
namespace {

QList<score> taking_part(const QStringList& local_lines)
{
    QList<score> rows;
    for (const QString& line : local_lines.mid(0, score_table_rows)) {
        if (std::optional<score> row = parse_local_line(line))
            rows.append(*row);
    }
    // Of several entries under one name only the best-ranked may stay.
    for (qsizetype k = rows.size() - 1; k >= 0; --k) {
        const auto earlier = rows.cbegin() + k;
        const bool name_seen = std::any_of(rows.cbegin(), earlier, [&](const score& better) {
            return better.name == rows[k].name;
        });
        if (name_seen || is_default_entry(rows[k]))
            rows.removeAt(k);
    }
    return rows;
}

}  // namespace

bool ScoreEvaluation::any_qualifies() const
{
    return std::any_of(post_index.begin(), post_index.end(), [](int index) { return index >= 0; });
}

int place_local_entry(const score& row, QList<score>& web_rows, QStringList& posted)
{
    const bool on_page = std::any_of(web_rows.cbegin(), web_rows.cend(), [&](const score& web) {
        return web.points >= row.points && web.name == row.name;
    });
    if (on_page)
        return -1;
    const QString key = posted_key(row);
    if (posted.contains(key, Qt::CaseInsensitive))
        return -1;
    for (int i = 0; i < web_rows.size(); ++i) {
        if (web_rows[i].points < row.points) {
            posted.append(key);
            score merged;
            merged.name = row.name;
            merged.points = row.points;
            web_rows.insert(i, merged);
            web_rows.removeLast();
            return i;
        }
    }
    return -1;
}

std::optional<ScoreEvaluation> evaluate_page(const QStringList& page_lines,
                                             const QStringList& local_lines, QStringList& posted)
{
    std::optional<QList<score>> table = read_web_table(page_lines);
    if (!table)
        return std::nullopt;
    ScoreEvaluation result;
    result.web_rows = *table;
    for (const score& row : result.web_rows)
        result.table_lines.append(table_line(row));
    result.local_rows = taking_part(local_lines);
    result.post_index.fill(-1);
    for (qsizetype m = 0; m < result.local_rows.size(); ++m)
        result.post_index[m] = place_local_entry(result.local_rows[m], result.web_rows, posted);
    return result;
}

}  // namespace lumbra
