#include "graphics_library.h"
#include "library_builder.h"
#include "library_names.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>

namespace lumbra {
namespace {

using fixture::LibraryFile;

class GraphicsLibraryTest : public ::testing::Test {
protected:
    std::unique_ptr<GraphicsLibrary> open_built(const QString& name, const QList<LibraryFile>& files) {
        const QString path = fixture::build_library(folder_.path(), name, files);
        EXPECT_FALSE(path.isEmpty()) << "rcc could not pack " << name.toStdString();
        QString error;
        auto library = GraphicsLibrary::open(path, &error);
        EXPECT_NE(library, nullptr) << error.toStdString();
        return library;
    }

    QTemporaryDir folder_;
};

QRgb top_left_pixel(const QPixmap& pixmap) {
    return pixmap.toImage().pixel(0, 0);
}

TEST_F(GraphicsLibraryTest, FindsEveryNameWhateverItsLetterCase) {
    const auto library = open_built("complete.lgr", fixture::complete_library_files(Qt::red));
    ASSERT_NE(library, nullptr);
    for (const LibraryPicture& picture : library_pictures()) {
        EXPECT_TRUE(library->has_picture(picture.name.toUpper())) << picture.name.toStdString();
        EXPECT_EQ(library->picture(picture.name).size(), picture.size) << picture.name.toStdString();
    }
    for (const QString& sound : library_sounds())
        EXPECT_TRUE(library->has_sound(sound.toUpper())) << sound.toStdString();
    EXPECT_EQ(top_left_pixel(library->picture("Red0005")), QColor(Qt::red).rgb());
    EXPECT_TRUE(library->file_path().endsWith("/complete.lgr"));
}

TEST_F(GraphicsLibraryTest, DenseScreenGetsTheTwinAtTheSameGeometry) {
    const auto library = open_built("complete.lgr", fixture::complete_library_files(Qt::red));
    ASSERT_NE(library, nullptr);
    for (const qreal ratio : {1.25, 2.0, 3.0}) {
        const QPixmap dense = library->picture("red0005", ratio);
        EXPECT_EQ(dense.size(), QSize(80, 80)) << ratio;
        EXPECT_EQ(dense.devicePixelRatio(), 2.0) << ratio;
        EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(40, 40)) << ratio;
    }
    const QPixmap plain = library->picture("red0005", 1.0);
    EXPECT_EQ(plain.size(), QSize(40, 40));
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);
}

TEST_F(GraphicsLibraryTest, DenseScreenSharesThePlainPictureWhenThereIsNoTwin) {
    const auto library = open_built("plain.lgr", {{"red0005.png", fixture::png_bytes({40, 40}, Qt::red)}});
    ASSERT_NE(library, nullptr);
    const QPixmap dense = library->picture("red0005", 2.0);
    EXPECT_EQ(dense.size(), QSize(40, 40));
    EXPECT_EQ(dense.devicePixelRatio(), 1.0);
    EXPECT_EQ(dense.cacheKey(), library->picture("red0005", 1.0).cacheKey());
}

TEST_F(GraphicsLibraryTest, MissingNamesGiveNothing) {
    const auto library = open_built("sparse.lgr", {{"red0005.png", fixture::png_bytes({40, 40}, Qt::red)},
                                                   {"empty@2x.png", fixture::png_bytes({80, 80}, Qt::gray)},
                                                   {"plop_up.wav", fixture::wav_bytes()}});
    ASSERT_NE(library, nullptr);
    EXPECT_FALSE(library->has_picture("green0005"));
    EXPECT_TRUE(library->picture("green0005").isNull());
    EXPECT_TRUE(library->picture_size("green0005").isEmpty());
    // A twin without its plain drawing makes no picture.
    EXPECT_FALSE(library->has_picture("empty"));
    EXPECT_TRUE(library->picture("empty", 2.0).isNull());
    // A sound is no picture, nor the other way round.
    EXPECT_FALSE(library->has_picture("plop_up"));
    EXPECT_FALSE(library->has_sound("red0005"));
    EXPECT_FALSE(library->has_sound("error"));
    EXPECT_TRUE(library->sound("error").isEmpty());
}

TEST_F(GraphicsLibraryTest, DecodesEachPictureOnlyOnce) {
    const auto library = open_built("complete.lgr", fixture::complete_library_files(Qt::red));
    ASSERT_NE(library, nullptr);
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap first = library->picture("blue0007", ratio);
        ASSERT_FALSE(first.isNull());
        EXPECT_EQ(library->picture("BLUE0007", ratio).cacheKey(), first.cacheKey()) << ratio;
    }
    EXPECT_NE(library->picture("blue0007", 1.0).cacheKey(), library->picture("blue0007", 2.0).cacheKey());
}

TEST_F(GraphicsLibraryTest, TwoLibrariesNeverSeeEachOthersNames) {
    const auto red = open_built("red.lgr", fixture::complete_library_files(Qt::red));
    const auto blue = open_built("blue.lgr", {{"red0005.png", fixture::png_bytes({40, 40}, Qt::blue)}});
    ASSERT_NE(red, nullptr);
    ASSERT_NE(blue, nullptr);
    EXPECT_EQ(top_left_pixel(red->picture("red0005")), QColor(Qt::red).rgb());
    EXPECT_EQ(top_left_pixel(blue->picture("red0005")), QColor(Qt::blue).rgb());
    EXPECT_TRUE(red->has_picture("empty"));
    EXPECT_FALSE(blue->has_picture("empty"));
    EXPECT_NE(red->sound("plop_up"), QUrl());
    EXPECT_EQ(blue->sound("plop_up"), QUrl());
}

// The resource path behind a sound URL ("qrc:/x" -> ":/x").
QString resource_path(const QUrl& url) {
    return ':' + url.path();
}

TEST_F(GraphicsLibraryTest, ClosingReleasesTheNamesAndLeavesOthersOpen) {
    auto first = open_built("first.lgr", fixture::complete_library_files(Qt::red));
    const auto second = open_built("second.lgr", fixture::complete_library_files(Qt::green));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    const QUrl released = first->sound("plop_up");
    ASSERT_TRUE(QFile::exists(resource_path(released)));
    first.reset();
    EXPECT_FALSE(QFile::exists(resource_path(released)));
    EXPECT_TRUE(QFile::exists(resource_path(second->sound("plop_up"))));
    EXPECT_EQ(top_left_pixel(second->picture("red0005")), QColor(Qt::green).rgb());
}

TEST_F(GraphicsLibraryTest, ALibraryOpenedLaterGetsNamesOfItsOwn) {
    QUrl earlier;
    {
        const auto library = open_built("earlier.lgr", fixture::complete_library_files(Qt::red));
        ASSERT_NE(library, nullptr);
        earlier = library->sound("error");
    }
    const auto later = open_built("later.lgr", fixture::complete_library_files(Qt::red));
    ASSERT_NE(later, nullptr);
    EXPECT_NE(later->sound("error"), earlier);
}

TEST_F(GraphicsLibraryTest, SoundEffectLoadsTheSoundUrl) {
    const auto library = open_built("complete.lgr", fixture::complete_library_files(Qt::red));
    ASSERT_NE(library, nullptr);
    QSoundEffect effect;
    effect.setSource(library->sound("plop_up"));
    QEventLoop loop;
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Ready || effect.status() == QSoundEffect::Error)
            loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    if (effect.status() == QSoundEffect::Loading)
        loop.exec();
    EXPECT_EQ(effect.status(), QSoundEffect::Ready);
}

}  // namespace
}  // namespace lumbra
