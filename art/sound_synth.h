#pragma once

#include "wav_writer.h"

#include <QString>

#include <vector>

namespace lumbra::art {

struct NamedSound {
    QString name;
    Sound sound;
};

// The three sounds of the game: "plop_up" when new balls drop, "plop_away"
// when a row vanishes, "error" when a ball cannot get where it was sent.
// Each is well under half a second, peaks at 80 % of full scale and fades in
// and out so it never clicks.
std::vector<NamedSound> game_sounds();

}  // namespace lumbra::art
