#pragma once

#include <QObject>

#include <array>

class QSoundEffect;

namespace lumbra {

class GraphicsLibrary;

// Plays the three sounds of the graphics library in use: 1 "plop_up",
// 2 "plop_away", 3 "error". A sound the library lacks gives the desktop's
// beep instead. On a machine without a sound device nothing is heard and
// nothing is reported.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent);

    // Takes the sounds of `library` (none for null); the previous library's
    // are let go, so this must come before that library is released.
    void use_library(const GraphicsLibrary* library);

    // Starts sound `sound_nr` (1..3) without waiting; it cuts off a sound
    // that is still playing.
    void play(int sound_nr);

    // Whether the library in use holds sound `sound_nr`.
    bool has_sound(int sound_nr) const;

private:
    std::array<QSoundEffect*, 3> effects_{};
};

}  // namespace lumbra
