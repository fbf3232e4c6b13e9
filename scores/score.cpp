#include "score.h"

namespace lumbra {

QString posted_key(const score& row)
{
    return QString::number(row.points) + u' ' + row.name;
}

}  // namespace lumbra
