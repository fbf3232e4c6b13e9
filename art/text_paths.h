#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace lumbra::art {

// Text as outlines in the bold sans face fontconfig offers (DejaVu Sans Bold
// on Debian), so it stays crisp at every scale and no font is needed to show
// the picture.
QPainterPath text_path(const QString& text, qreal pixel_size);

// The same outlines scaled (keeping their proportions) to fill `box` and
// centred in it.
QPainterPath fitted_text_path(const QString& text, const QRectF& box);

}  // namespace lumbra::art
