#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <array>

namespace lumbra::art {

// How a colour looks to a player with a colour-vision deficiency, after
// Machado, Oliveira and Fernandes (2009), at full severity: a 3 x 3 matrix
// applied to linear RGB.
enum class Vision { normal, deuteranopia, protanopia, tritanopia };

inline constexpr std::array<Vision, 4> all_visions{Vision::normal, Vision::deuteranopia, Vision::protanopia,
                                                   Vision::tritanopia};

QString vision_name(Vision vision);
bool vision_from_name(const QString& name, Vision* vision);

QColor simulate(const QColor& colour, Vision vision);
QImage simulate(const QImage& image, Vision vision);

// CIE L*a*b* under D65.
struct Lab {
    double l, a, b;
};
Lab to_lab(const QColor& colour);

// The CIEDE2000 colour difference; about 2.3 is the smallest difference most
// people notice side by side, above 20 two colours are plainly different.
double delta_e_2000(const Lab& x, const Lab& y);

}  // namespace lumbra::art
