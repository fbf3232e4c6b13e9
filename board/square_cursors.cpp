#include "square_cursors.h"

#include <QPixmap>

#include <cassert>

namespace lumbra {
namespace {

struct CursorResource {
    const char* path;
    QPoint hot_spot;
};

// Number 1..3 -> picture and the point of it that clicks.
constexpr std::array<CursorResource, 3> cursor_resources{{
    {":/program/cursors/pickhand.png", {9, 1}},
    {":/program/cursors/pickhand2.png", {9, 1}},
    {":/program/cursors/nohand.png", {15, 15}},
}};

}  // namespace

SquareCursors::SquareCursors()
{
    cursors_[0] = QCursor(Qt::ArrowCursor);
    for (std::size_t i = 0; i < cursor_resources.size(); ++i) {
        const QPixmap picture(QString::fromLatin1(cursor_resources[i].path));
        // A build without the cursor pictures still plays, with the arrow.
        cursors_[i + 1] = picture.isNull() ? QCursor(Qt::ArrowCursor)
                                           : QCursor(picture, cursor_resources[i].hot_spot.x(),
                                                     cursor_resources[i].hot_spot.y());
    }
}

const QCursor& SquareCursors::cursor(int number) const
{
    assert((number >= 0) && (number <= 3));
    return cursors_[static_cast<std::size_t>(number)];
}

}  // namespace lumbra
