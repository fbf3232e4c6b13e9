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

TEST(SoundPlayer, TakesTheThreeSoundsOfTheLibrary)
{
    QTemporaryDir folder;
    const auto library = library_of(folder, QStringLiteral("sounds.lgr"),
                                    fixture::complete_library_files(Qt::red));
    ASSERT_NE(library, nullptr);
    SoundPlayer player(nullptr);
    player.use_library(library.get());
    for (int sound = 1; sound <= 3; ++sound) {
        EXPECT_TRUE(player.has_sound(sound)) << "sound " << sound;
        // Without a sound device nothing is heard and nothing fails.
        player.play(sound);
    }
}

TEST(SoundPlayer, ALibraryWithoutSoundsLeavesTheBeep)
{
    QTemporaryDir folder;
    const auto library = library_of(folder, QStringLiteral("silent.lgr"),
                                    {{QStringLiteral("red0005.png"), fixture::png_bytes({40, 40}, Qt::red)}});
    ASSERT_NE(library, nullptr);
    SoundPlayer player(nullptr);
    player.use_library(library.get());
    for (int sound = 1; sound <= 3; ++sound) {
        EXPECT_FALSE(player.has_sound(sound)) << "sound " << sound;
        player.play(sound);
    }
}

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
