#include "wav_writer.h"

#include "little_endian.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lumbra::art {

QByteArray wav_file(const Sound& sound)
{
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bits = 16;
    const auto data_size = std::uint32_t(sound.samples.size() * sizeof(std::int16_t));
    const auto rate = std::uint32_t(sound.sample_rate);

    QByteArray out;
    out.append("RIFF", 4);
    append_little_endian<std::uint32_t>(out, 36 + data_size);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    append_little_endian<std::uint32_t>(out, 16);
    append_little_endian<std::uint16_t>(out, 1);  // PCM
    append_little_endian<std::uint16_t>(out, channels);
    append_little_endian<std::uint32_t>(out, rate);
    append_little_endian<std::uint32_t>(out, rate * channels * bits / 8);
    append_little_endian<std::uint16_t>(out, channels * bits / 8);
    append_little_endian<std::uint16_t>(out, bits);
    out.append("data", 4);
    append_little_endian<std::uint32_t>(out, data_size);
    for (float sample : sound.samples) {
        const float clamped = std::clamp(sample, -1.0f, 1.0f);
        append_little_endian<std::uint16_t>(out, std::uint16_t(std::int16_t(std::lround(clamped * 32767.0f))));
    }
    return out;
}

}  // namespace lumbra::art
