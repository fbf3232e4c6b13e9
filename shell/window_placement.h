#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lumbra {

// The top-left corner that centres a window of `size` (frame included) on
// `screen`; on a screen too small for it, the window starts at the screen's
// edge instead.
QPoint centred_on(const QRect& screen, QSize size);

// Where a window whose stored top-left corner is `stored` opens. A corner on
// one of the screens is used as stored; one on no screen (a monitor that has
// been unplugged since) centres the window on the primary screen instead.
QPoint placed_on_a_screen(QPoint stored, QSize size);

}  // namespace lumbra
