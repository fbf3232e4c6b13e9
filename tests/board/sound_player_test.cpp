#include "sound_player.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "graphics_library.h"
#include "library_builder.h"

namespace lumbra {
namespace {

std::unique_ptr<GraphicsLibrary> library_of(const QTemporaryDir& folder, const QString& name,
                                            const QList<fixture::LibraryFile>& files)
{
    return GraphicsLibrary::open(fixture::build_library(folder.path(), name, files));
}

struct SoundCase {
    const char* name;
    bool with_sounds;
};

void PrintTo(const SoundCase& sounds, std::ostream* out)
{
    *out << sounds.name;
}

class SoundsOfALibrary : public testing::TestWithParam<SoundCase> {};

// Without a sound device nothing is heard and nothing fails; a sound the
// library lacks gives the beep.
TEST_P(SoundsOfALibrary, AreTakenWhenThereAndPlayWithoutFailing)
{
    QTemporaryDir folder;
    const QList<fixture::LibraryFile> files =
        GetParam().with_sounds ? fixture::complete_library_files(Qt::red)
                               : QList<fixture::LibraryFile>{
                                     {QStringLiteral("red0005.png"), fixture::png_bytes({40, 40}, Qt::red)}};
    const auto library = library_of(folder, QStringLiteral("sounds.lgr"), files);
    ASSERT_NE(library, nullptr);
    SoundPlayer player(nullptr);
    player.use_library(library.get());
    for (int sound = 1; sound <= 3; ++sound) {
        EXPECT_EQ(player.has_sound(sound), GetParam().with_sounds) << "sound " << sound;
        player.play(sound);
    }
}

INSTANTIATE_TEST_SUITE_P(Libraries, SoundsOfALibrary,
                         testing::Values(SoundCase{"all_three_sounds", true}, SoundCase{"no_sounds", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SoundPlayer, LetsGoOfAReleasedLibrary)
{
    QTemporaryDir folder;
    auto library = library_of(folder, QStringLiteral("sounds.lgr"), fixture::complete_library_files(Qt::red));
    ASSERT_NE(library, nullptr);
    SoundPlayer player(nullptr);
    player.use_library(library.get());
    player.use_library(nullptr);
    library.reset();
    EXPECT_FALSE(player.has_sound(1));
}

}  // namespace
}  // namespace lumbra
