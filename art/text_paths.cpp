#include "text_paths.h"

#include <QFont>
#include <QTransform>

#include <algorithm>

namespace lumbra::art {

QPainterPath text_path(const QString& text, qreal pixel_size)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(1, int(pixel_size)));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    QPainterPath path;
    path.addText(QPointF(0, 0), font, text);
    return path;
}

QPainterPath fitted_text_path(const QString& text, const QRectF& box)
{
    const QPainterPath path = text_path(text, 100);
    const QRectF bounds = path.boundingRect();
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

}  // namespace lumbra::art
