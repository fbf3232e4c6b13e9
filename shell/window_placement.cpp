#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace lumbra {

QPoint centred_on(const QRect& screen, QSize size)
{
    return {screen.x() + (screen.width() - size.width()) / 2,
            screen.y() + (screen.height() - size.height()) / 2};
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
