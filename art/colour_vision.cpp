#include "colour_vision.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumbra::art {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

const Matrix& matrix_of(Vision vision)
{
    static const Matrix identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    static const Matrix deuteranopia{{{0.367322, 0.860646, -0.227968},
                                      {0.280085, 0.672501, 0.047413},
                                      {-0.011820, 0.042940, 0.968881}}};
    static const Matrix protanopia{{{0.152286, 1.052583, -0.204868},
                                    {0.114503, 0.786281, 0.099216},
                                    {-0.003882, -0.048116, 1.051998}}};
    static const Matrix tritanopia{{{1.255528, -0.076749, -0.178779},
                                    {-0.078411, 0.930809, 0.147602},
                                    {0.004733, 0.691367, 0.303900}}};
    switch (vision) {
    case Vision::deuteranopia: return deuteranopia;
    case Vision::protanopia: return protanopia;
    case Vision::tritanopia: return tritanopia;
    case Vision::normal: break;
    }
    return identity;
}

double to_linear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
double to_srgb(double c) { return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055; }

std::array<double, 3> linear_rgb(const QColor& colour)
{
    return {to_linear(colour.redF()), to_linear(colour.greenF()), to_linear(colour.blueF())};
}

}  // namespace

QString vision_name(Vision vision)
{
    switch (vision) {
    case Vision::deuteranopia: return QStringLiteral("deuteranopia");
    case Vision::protanopia: return QStringLiteral("protanopia");
    case Vision::tritanopia: return QStringLiteral("tritanopia");
    case Vision::normal: break;
    }
    return QStringLiteral("normal");
}

bool vision_from_name(const QString& name, Vision* vision)
{
    for (Vision v : all_visions) {
        if (vision_name(v) == name) {
            *vision = v;
            return true;
        }
    }
    return false;
}

QColor simulate(const QColor& colour, Vision vision)
{
    const Matrix& m = matrix_of(vision);
    const auto rgb = linear_rgb(colour);
    std::array<double, 3> out{};
    for (int row = 0; row < 3; ++row) {
        const double value = m[row][0] * rgb[0] + m[row][1] * rgb[1] + m[row][2] * rgb[2];
        out[row] = to_srgb(std::clamp(value, 0.0, 1.0));
    }
    return QColor::fromRgbF(float(out[0]), float(out[1]), float(out[2]), colour.alphaF());
}

QImage simulate(const QImage& image, Vision vision)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (vision == Vision::normal)
        return out;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = simulate(QColor::fromRgba(line[x]), vision).rgba();
    }
    return out;
}

Lab to_lab(const QColor& colour)
{
    const auto [r, g, b] = linear_rgb(colour);
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

double delta_e_2000(const Lab& x, const Lab& y)
{
    constexpr double pi = std::numbers::pi;
    auto degrees = [](double rad) { return rad * 180.0 / pi; };
    auto radians = [](double deg) { return deg * pi / 180.0; };

    const double c1 = std::hypot(x.a, x.b), c2 = std::hypot(y.a, y.b);
    const double c_mean = (c1 + c2) / 2;
    const double c7 = std::pow(c_mean, 7);
    const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * x.a, a2 = (1 + g) * y.a;
    const double cp1 = std::hypot(a1, x.b), cp2 = std::hypot(a2, y.b);
    auto hue = [&](double b, double a) {
        if (a == 0 && b == 0)
            return 0.0;
        const double h = degrees(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const double hp1 = hue(x.b, a1), hp2 = hue(y.b, a2);

    const double dl = y.l - x.l;
    const double dc = cp2 - cp1;
    double dh = 0;
    if (cp1 * cp2 != 0) {
        dh = hp2 - hp1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(radians(dh / 2));

    const double l_mean = (x.l + y.l) / 2;
    const double cp_mean = (cp1 + cp2) / 2;
    double hp_mean = hp1 + hp2;
    if (cp1 * cp2 != 0) {
        if (std::abs(hp1 - hp2) <= 180)
            hp_mean /= 2;
        else
            hp_mean = (hp_mean < 360) ? (hp_mean + 360) / 2 : (hp_mean - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos(radians(hp_mean - 30)) + 0.24 * std::cos(radians(2 * hp_mean)) +
                     0.32 * std::cos(radians(3 * hp_mean + 6)) - 0.20 * std::cos(radians(4 * hp_mean - 63));
    const double d_theta = 30 * std::exp(-std::pow((hp_mean - 275) / 25, 2));
    const double cp7 = std::pow(cp_mean, 7);
    const double rc = 2 * std::sqrt(cp7 / (cp7 + std::pow(25.0, 7)));
    const double l50 = (l_mean - 50) * (l_mean - 50);
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sc = 1 + 0.045 * cp_mean;
    const double sh = 1 + 0.015 * cp_mean * t;
    const double rt = -std::sin(radians(2 * d_theta)) * rc;

    const double tl = dl / sl, tc = dc / sc, th = dH / sh;
    return std::sqrt(tl * tl + tc * tc + th * th + rt * tc * th);
}

}  // namespace lumbra::art
