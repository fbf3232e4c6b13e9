#include "body_colour.h"

namespace lumbra::art {

QColor body_colour(const QImage& rest_frame)
{
    const QImage argb = rest_frame.convertToFormat(QImage::Format_ARGB32);
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = 26; y <= 30; ++y) {
        for (int x = 26; x <= 30; ++x) {
            const QRgb pixel = argb.pixel(x, y);
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
            ++n;
        }
    }
    return QColor(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5));
}

}  // namespace lumbra::art
