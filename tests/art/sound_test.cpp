// The three sounds of every shipped library are short, clean 16-bit PCM.

#include "shipped_library.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace lumbra::art_tests {
namespace {

struct Wave {
    int format = 0;
    int channels = 0;
    int sample_rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;
};

// Reads a RIFF WAVE file chunk by chunk; false when it is not one.
bool parse_wave(const QByteArray& data, Wave* wave)
{
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<std::uint16_t>(data.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<std::uint32_t>(data.constData() + at); };
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return false;
    if (u32(4) != std::uint32_t(data.size() - 8))
        return false;
    bool have_format = false, have_data = false;
    for (qsizetype at = 12; at + 8 <= data.size();) {
        const QByteArray id = data.mid(at, 4);
        const std::uint32_t size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > data.size())
            return false;
        if (id == "fmt " && size >= 16) {
            wave->format = u16(body);
            wave->channels = u16(body + 2);
            wave->sample_rate = int(u32(body + 4));
            wave->bits = u16(body + 14);
            have_format = true;
        } else if (id == "data") {
            for (qsizetype i = 0; i + 1 < qsizetype(size); i += 2)
                wave->samples.push_back(std::int16_t(u16(body + i)));
            have_data = true;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return have_format && have_data;
}

struct Case {
    const char* library;
    const char* sound;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.library << " " << c.sound; }

class LibrarySound : public testing::TestWithParam<Case> {
protected:
    Wave load()
    {
        ShippedLibrary library{QLatin1String(GetParam().library)};
        EXPECT_TRUE(library.is_open());
        Wave wave;
        EXPECT_TRUE(parse_wave(library.file(QLatin1String(GetParam().sound) + QStringLiteral(".wav")), &wave));
        return wave;
    }
};

TEST_P(LibrarySound, is_mono_16_bit_pcm)
{
    const Wave wave = load();
    EXPECT_EQ(wave.format, 1);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.bits, 16);
    EXPECT_TRUE(wave.sample_rate == 22050 || wave.sample_rate == 44100) << wave.sample_rate;
}

TEST_P(LibrarySound, lasts_under_half_a_second)
{
    const Wave wave = load();
    ASSERT_GT(wave.sample_rate, 0);
    ASSERT_FALSE(wave.samples.empty());
    EXPECT_LT(double(wave.samples.size()) / wave.sample_rate, 0.5);
}

TEST_P(LibrarySound, never_reaches_full_scale)
{
    const Wave wave = load();
    ASSERT_FALSE(wave.samples.empty());
    const auto [low, high] = std::minmax_element(wave.samples.begin(), wave.samples.end());
    EXPECT_GT(*low, -32767);
    EXPECT_LT(*high, 32767);
    // Not silence either.
    EXPECT_GT(std::max(-int(*low), int(*high)), 32767 / 4);
}

TEST_P(LibrarySound, starts_and_ends_at_rest_so_it_does_not_click)
{
    const Wave wave = load();
    ASSERT_GE(wave.samples.size(), 2u);
    EXPECT_LT(std::abs(wave.samples.front()), 328);
    EXPECT_LT(std::abs(wave.samples.back()), 328);
}

std::vector<Case> all_cases()
{
    std::vector<Case> cases;
    for (const char* library : {"lrestd.lgr", "lreslo.lgr", "lresshape.lgr"})
        for (const char* sound : {"plop_up", "plop_away", "error"})
            cases.push_back({library, sound});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Shipped, LibrarySound, testing::ValuesIn(all_cases()), [](const auto& info) {
    const std::string library = info.param.library;
    return library.substr(0, library.find('.')) + "_" + info.param.sound;
});

}  // namespace
}  // namespace lumbra::art_tests
