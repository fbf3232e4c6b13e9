#pragma once

#include "score.h"
#include "score_page.h"

#include <QList>
#include <QStringList>

#include <array>
#include <optional>

namespace lumbra {

// What comparing the player's hall of fame with the internet table gives.
struct ScoreEvaluation {
    // The internet list as the page shows it, one line per row.
    QStringList table_lines;
    // The page's nine rows with the qualifying local entries merged in.
    QList<score> web_rows;
    // The local entries that took part: neither default entries nor a second
    // entry under one name.
    QList<score> local_rows;
    // For local entry m, the index in web_rows where it was merged, or -1.
    std::array<int, score_table_rows> post_index{};

    bool any_qualifies() const;
};

// Merges a local entry into the table when it would enter it and is neither
// on the page already (same name, at least as many points) nor in the posted
// record. Returns the row it took, or -1. A tie goes below the page's row. A
// merged entry's key is added to `posted`, so it is offered only once.
int place_local_entry(const score& row, QList<score>& web_rows, QStringList& posted);

// Reads the page's table and places the current mode's local entries (the
// first nine hall-of-fame lines), best first. Nothing, and `posted`
// untouched, when the page cannot be read.
std::optional<ScoreEvaluation> evaluate_page(const QStringList& page_lines,
                                             const QStringList& local_lines, QStringList& posted);

}  // namespace lumbra
