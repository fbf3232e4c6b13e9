// The libraries the build makes and ships beside the program.

#include "damaged_copies.h"
#include "graphics_library.h"
#include "library_acceptance.h"
#include "library_names.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace lumbra {
namespace {

QDir stage_dir() {
    return QDir(QStringLiteral(LUMBRA_STAGE_DIR));
}

TEST(RealLibrariesTest, EveryShippedLibraryServesEveryName) {
    const QStringList libraries = stage_dir().entryList({"*.lgr"}, QDir::Files);
    EXPECT_TRUE(libraries.contains("lrestd.lgr"));
    EXPECT_TRUE(libraries.contains("lreslo.lgr"));
    EXPECT_GE(libraries.size(), 3) << "the third library is missing";
    for (const QString& name : libraries) {
        SCOPED_TRACE(name.toStdString());
        QString error;
        const auto library = GraphicsLibrary::open(stage_dir().filePath(name), &error);
        ASSERT_NE(library, nullptr) << error.toStdString();
        QString reason;
        EXPECT_TRUE(usable_at_startup(*library, &reason)) << reason.toStdString();
        EXPECT_TRUE(usable_as_additional(*library, &reason)) << reason.toStdString();
        for (const LibraryPicture& picture : library_pictures()) {
            EXPECT_EQ(library->picture(picture.name, 1.0).size(), picture.size) << picture.name.toStdString();
            EXPECT_EQ(library->picture(picture.name, 2.0).size(), 2 * picture.size) << picture.name.toStdString();
        }
        for (const QString& sound : library_sounds())
            EXPECT_FALSE(library->sound(sound).isEmpty()) << sound.toStdString();
    }
}

TEST(RealLibrariesTest, DamagedCopiesOfTheDefaultLibraryAreSafe) {
    QFile file(stage_dir().filePath("lrestd.lgr"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray intact = file.readAll();
    QTemporaryDir folder;
    fixture::DamagedCopies copies(folder.path(), intact);
    // Samples, not every byte: each copy that opens decodes all its pictures.
    EXPECT_EQ(copies.open_truncations(intact.size() / 200 + 1), 0);
    copies.open_flipped_bytes(60);
    copies.open_corrupted_offsets(311);
}

}  // namespace
}  // namespace lumbra
