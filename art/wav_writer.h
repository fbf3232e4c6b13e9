#pragma once

#include <QByteArray>

#include <vector>

namespace lumbra::art {

// A mono sound as samples between -1 and 1.
struct Sound {
    int sample_rate = 22050;
    std::vector<float> samples;
};

// The sound as a RIFF WAVE file, 16-bit PCM, mono. Samples beyond full scale
// are clamped, though the synthesis never makes any.
QByteArray wav_file(const Sound& sound);

}  // namespace lumbra::art
