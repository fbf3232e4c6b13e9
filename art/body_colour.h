#pragma once

#include <QColor>
#include <QImage>

namespace lumbra::art {

// The colour a ball at rest shows of itself: the mean of a 5 x 5 patch on
// its lower right (pixels 26..30 of the 40 x 40 picture), clear of the
// highlight and of any shape mark. Used to judge how far apart the colours
// are, in the tests and in `lumbra-art colours`.
QColor body_colour(const QImage& rest_frame);

}  // namespace lumbra::art
