#include "form_controls.h"

namespace lumbra {

QFont font_named(const char* family, int pixel_height)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixel_height);
    return font;
}

void set_black_text(QWidget* widget, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, Qt::black);
    widget->setPalette(palette);
}

}  // namespace lumbra
