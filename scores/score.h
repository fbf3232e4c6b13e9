#pragma once

#include <QString>

namespace lumbra {

// One row of a high-score table: a row of the internet page, or a local
// hall-of-fame entry taking part in the comparison with it.
class score {
public:
    QString name;
    QString country;  // "???" for local entries, empty for entries merged into the page's table
    qint32 points = 0;

    friend bool operator==(const score&, const score&) = default;
};

// The text by which a posted entry is remembered: the points, one blank, the
// name. Compared without regard to letter case.
QString posted_key(const score& row);

}  // namespace lumbra
