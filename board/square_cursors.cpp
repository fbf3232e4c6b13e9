#include "square_cursors.h"

#include <QPixmap>

#include <cassert>

#include "program_art.h"

namespace lumbra {
namespace {

QString to_qstring(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The cursor picture for the screen's ratio: the doubled drawing above 1.
QCursor program_cursor(const ProgramCursor& cursor, qreal device_pixel_ratio)
{
    QString path = to_qstring(cursor.resource);
    QPixmap picture;
    if (device_pixel_ratio > 1.0) {
        picture.load(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
        picture.setDevicePixelRatio(2.0);
    }
    if (picture.isNull()) {
        picture.load(path);
    }
    // A build without the cursor pictures still plays, with the arrow.
    return picture.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(picture, cursor.hot_x, cursor.hot_y);
}

}  // namespace

SquareCursors::SquareCursors(qreal device_pixel_ratio)
{
    cursors_[0] = QCursor(Qt::ArrowCursor);
    for (const ProgramCursor& cursor : program_cursors) {
        cursors_[static_cast<std::size_t>(cursor.number)] = program_cursor(cursor, device_pixel_ratio);
    }
}

const QCursor& SquareCursors::cursor(int number) const
{
    assert((number >= 0) && (number <= 3));
    return cursors_[static_cast<std::size_t>(number)];
}

}  // namespace lumbra
