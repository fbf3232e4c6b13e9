#pragma once

#include <QPixmap>

namespace lumbra {

// The "next" label the window shows left of the preview until a graphics
// library gives its own: 97 x 33, drawn for the given device pixel ratio.
QPixmap built_in_next_picture(qreal device_pixel_ratio);

}  // namespace lumbra
