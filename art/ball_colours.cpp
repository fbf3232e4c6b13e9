#include "ball_colours.h"

namespace lumbra::art {

const std::array<BallColour, ball_colour_count>& ball_colours()
{
    static const std::array<BallColour, ball_colour_count> colours{{
        {"red", QColor(0xdb, 0x05, 0x00)},
        {"green", QColor(0x0f, 0xa1, 0x6f)},
        {"blue", QColor(0x00, 0x04, 0x94)},
        {"yellow", QColor(0xfe, 0xe8, 0x28)},
        {"lblue", QColor(0x99, 0xcf, 0xe8)},
        {"black", QColor(0x2c, 0x2c, 0x2e)},
        {"purple", QColor(0xc8, 0x5d, 0xff)},
    }};
    return colours;
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    auto channel = [t](qreal x, qreal y) { return x + (y - x) * t; };
    return QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()),
                            channel(a.blueF(), b.blueF()), channel(a.alphaF(), b.alphaF()));
}

}  // namespace lumbra::art
