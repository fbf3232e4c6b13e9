#include "sound_player.h"

#include <QApplication>
#include <QSoundEffect>

#include <cassert>

#include "graphics_library.h"

namespace lumbra {
namespace {

constexpr std::array<const char*, 3> sound_names{"plop_up", "plop_away", "error"};

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

void SoundPlayer::use_library(const GraphicsLibrary* library)
{
    for (std::size_t i = 0; i < effects_.size(); ++i) {
        delete effects_[i];
        effects_[i] = nullptr;
        if (library == nullptr) {
            continue;
        }
        const QUrl url = library->sound(QString::fromLatin1(sound_names[i]));
        if (!url.isEmpty()) {
            effects_[i] = new QSoundEffect(this);
            effects_[i]->setSource(url);
        }
    }
}

void SoundPlayer::play(int sound_nr)
{
    assert((sound_nr >= 1) && (sound_nr <= 3));
    QSoundEffect* effect = effects_[static_cast<std::size_t>(sound_nr - 1)];
    if (effect == nullptr) {
        QApplication::beep();
        return;
    }
    for (QSoundEffect* other : effects_) {
        if (other != nullptr && other != effect) {
            other->stop();
        }
    }
    effect->play();
}

bool SoundPlayer::has_sound(int sound_nr) const
{
    assert((sound_nr >= 1) && (sound_nr <= 3));
    return effects_[static_cast<std::size_t>(sound_nr - 1)] != nullptr;
}

}  // namespace lumbra
