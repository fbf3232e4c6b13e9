#include "sound_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumbra::art {

namespace {

constexpr int sample_rate = 22050;
constexpr double two_pi = 2.0 * std::numbers::pi;
constexpr float peak_level = 0.8f;

Sound silence(double seconds)
{
    Sound sound;
    sound.sample_rate = sample_rate;
    sound.samples.assign(std::size_t(seconds * sample_rate), 0.0f);
    return sound;
}

// Adds a tone that starts at `start` seconds: its pitch glides exponentially
// from `from_hz` to `to_hz` over `glide` seconds, it rises in `attack`
// seconds and dies away with time constant `decay`. `partials` are
// (frequency ratio, level) pairs.
struct Tone {
    double start = 0;
    double from_hz = 440;
    double to_hz = 440;
    double glide = 0.1;
    double attack = 0.004;
    double decay = 0.05;
    double level = 1.0;
    std::vector<std::pair<double, double>> partials{{1.0, 1.0}};
};

void add(Sound& sound, const Tone& tone)
{
    double phase = 0;
    const auto first = std::size_t(tone.start * sample_rate);
    for (std::size_t i = first; i < sound.samples.size(); ++i) {
        const double t = double(i - first) / sample_rate;
        const double glide = std::min(t / tone.glide, 1.0);
        const double hz = tone.from_hz * std::pow(tone.to_hz / tone.from_hz, glide);
        phase += two_pi * hz / sample_rate;
        const double envelope = std::min(t / tone.attack, 1.0) * std::exp(-t / tone.decay);
        double value = 0;
        for (const auto& [ratio, level] : tone.partials)
            value += level * std::sin(phase * ratio);
        sound.samples[i] += float(tone.level * envelope * value);
    }
}

// Scales to the peak level and fades both ends, so nothing clips or clicks.
Sound finished(Sound sound, double fade_in, double fade_out)
{
    float peak = 0;
    for (float s : sound.samples)
        peak = std::max(peak, std::abs(s));
    const float gain = peak > 0 ? peak_level / peak : 0;
    const auto in = std::size_t(fade_in * sample_rate);
    const auto out = std::size_t(fade_out * sample_rate);
    const std::size_t n = sound.samples.size();
    for (std::size_t i = 0; i < n; ++i) {
        float ramp = 1.0f;
        if (i < in)
            ramp = float(i) / float(in);
        if (n - i <= out)
            ramp = std::min(ramp, float(n - 1 - i) / float(out));
        sound.samples[i] *= gain * ramp;
    }
    return sound;
}

// A soft, rising "bloop", as of a ball popping up out of the board.
Sound plop_up()
{
    Sound sound = silence(0.2);
    add(sound, {.from_hz = 240, .to_hz = 560, .glide = 0.07, .attack = 0.003, .decay = 0.05,
                .partials = {{1.0, 1.0}, {2.0, 0.22}, {3.0, 0.06}}});
    return finished(sound, 0.002, 0.03);
}

// A quick, bright chime falling into place: the row is gone.
Sound plop_away()
{
    Sound sound = silence(0.42);
    add(sound, {.from_hz = 700, .to_hz = 260, .glide = 0.08, .attack = 0.002, .decay = 0.04, .level = 0.7});
    const double notes[] = {1046.5, 1318.5, 1568.0};  // C6, E6, G6
    for (int i = 0; i < 3; ++i)
        add(sound, {.start = 0.04 + 0.06 * i, .from_hz = notes[i], .to_hz = notes[i], .attack = 0.002,
                    .decay = 0.09, .level = 0.45, .partials = {{1.0, 1.0}, {2.76, 0.18}, {5.4, 0.05}}});
    return finished(sound, 0.002, 0.05);
}

// Two low, dull knocks: that way is blocked.
Sound error()
{
    Sound sound = silence(0.3);
    const std::vector<std::pair<double, double>> hollow{{1.0, 1.0}, {3.0, 0.3}, {5.0, 0.12}};
    add(sound, {.from_hz = 200, .to_hz = 185, .attack = 0.004, .decay = 0.045, .partials = hollow});
    add(sound, {.start = 0.12, .from_hz = 150, .to_hz = 138, .attack = 0.004, .decay = 0.055, .partials = hollow});
    return finished(sound, 0.002, 0.04);
}

}  // namespace

std::vector<NamedSound> game_sounds()
{
    return {{QStringLiteral("plop_up"), plop_up()},
            {QStringLiteral("plop_away"), plop_away()},
            {QStringLiteral("error"), error()}};
}

}  // namespace lumbra::art
