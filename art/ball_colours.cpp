#include "ball_colours.h"

namespace lumbra::art {

const std::array<BallColour, ball_colour_count>& ball_colours()
{
    static const std::array<BallColour, ball_colour_count> colours{{
        {"red", QColor(0xc8, 0x0a, 0x04)},
        {"green", QColor(0x39, 0xbf, 0x6f)},
        {"blue", QColor(0x1a, 0x26, 0xb8)},
        {"yellow", QColor(0xfe, 0xe8, 0x28)},
        {"lblue", QColor(0x68, 0xe5, 0xea)},
        {"black", QColor(0x2c, 0x2c, 0x34)},
        {"purple", QColor(0xca, 0x72, 0xff)},
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
