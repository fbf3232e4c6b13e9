#include "built_in_next_picture.h"

#include <QFont>
#include <QPainter>

#include "main_window_layout.h"

namespace lumbra {

QPixmap built_in_next_picture(qreal device_pixel_ratio)
{
    const QSize size = main_window_layout::next_image.size();
    QPixmap picture(size * device_pixel_ratio);
    picture.setDevicePixelRatio(device_pixel_ratio);
    picture.fill(QColor(main_window_layout::background));

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(22);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    const QRect area(0, 0, size.width() - 4, size.height());
    // An engraved look that matches the bevelled header strip.
    painter.setPen(Qt::white);
    painter.drawText(area.translated(1, 1), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("next:"));
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("next:"));
    return picture;
}

}  // namespace lumbra
