#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace lumbra {

QPoint centred_on(const QRect& screen, QSize size)
{
    // On a screen smaller than the window the title bar stays reachable.
    return {screen.x() + std::max(0, (screen.width() - size.width()) / 2),
            screen.y() + std::max(0, (screen.height() - size.height()) / 2)};
}

QPoint placed_on_a_screen(QPoint stored, QSize size)
{
    if (QGuiApplication::screenAt(stored) != nullptr) {
        return stored;
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary != nullptr ? centred_on(primary->availableGeometry(), size) : stored;
}

}  // namespace lumbra
