// Every shipped graphics library holds every picture the game asks for, at
// its size and twice that size, in the form its screen needs.

#include "shipped_library.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QImage>
#include <QSet>
#include <QSize>

#include <vector>

namespace lumbra::art_tests {
namespace {

struct Expected {
    QString name;
    QSize size;
    bool board;  // shown on a board square, so it must cover it completely
};

QString frame(const char* word, int number)
{
    return QLatin1String(word) + QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

// The names the game loads, written out afresh from the game's own rules
// rather than taken from the drawing program.
std::vector<Expected> expected_pictures()
{
    const QSize square(40, 40);
    std::vector<Expected> all{{QStringLiteral("empty"), square, true}};
    for (const char* word : {"red", "green", "blue", "yellow", "lblue", "black", "purple", "joker", "quest", "dynamit"})
        for (int f = 0; f <= 10; ++f)
            all.push_back({frame(word, f), square, true});
    for (int f : {12, 13, 14, 15})
        all.push_back({frame("dynamit", f), square, true});
    for (int d = 0; d <= 9; ++d)
        all.push_back({QStringLiteral("lcd%1").arg(d), QSize(30, 45), false});
    all.push_back({QStringLiteral("next"), QSize(97, 33), false});
    all.push_back({QStringLiteral("game_over"), QSize(265, 103), false});
    all.push_back({QStringLiteral("title"), QSize(193, 145), false});
    return all;
}

bool fully_opaque(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 255)
                return false;
    return true;
}

class LibraryContents : public testing::TestWithParam<const char*> {};

TEST_P(LibraryContents, holds_the_128_pictures_of_the_game)
{
    const auto pictures = expected_pictures();
    ASSERT_EQ(pictures.size(), 128u);
    ShippedLibrary library{QLatin1String(GetParam())};
    ASSERT_TRUE(library.is_open()) << GetParam() << " is not a resource file";
    for (const Expected& expected : pictures) {
        const QImage once = library.picture(expected.name);
        const QImage twice = library.picture(expected.name, true);
        EXPECT_EQ(once.size(), expected.size) << expected.name.toStdString();
        EXPECT_EQ(twice.size(), expected.size * 2) << expected.name.toStdString() << "@2x";
    }
}

TEST_P(LibraryContents, board_pictures_cover_their_square)
{
    ShippedLibrary library{QLatin1String(GetParam())};
    ASSERT_TRUE(library.is_open());
    for (const Expected& expected : expected_pictures()) {
        if (!expected.board)
            continue;
        EXPECT_TRUE(fully_opaque(library.picture(expected.name))) << expected.name.toStdString();
        EXPECT_TRUE(fully_opaque(library.picture(expected.name, true))) << expected.name.toStdString() << "@2x";
    }
}

TEST_P(LibraryContents, holds_nothing_but_pictures_and_the_three_sounds)
{
    ShippedLibrary library{QLatin1String(GetParam())};
    ASSERT_TRUE(library.is_open());
    QSet<QString> wanted{QStringLiteral("plop_up.wav"), QStringLiteral("plop_away.wav"), QStringLiteral("error.wav")};
    for (const Expected& expected : expected_pictures()) {
        wanted.insert(expected.name + QStringLiteral(".png"));
        wanted.insert(expected.name + QStringLiteral("@2x.png"));
    }
    QSet<QString> found;
    QDirIterator it(library.path_of(QString()));
    while (it.hasNext()) {
        it.next();
        found.insert(it.fileName());
    }
    EXPECT_EQ(found, wanted);
}

INSTANTIATE_TEST_SUITE_P(Shipped, LibraryContents, testing::Values("lrestd.lgr", "lreslo.lgr", "lresshape.lgr"),
                         [](const auto& info) { return std::string(info.param).substr(0, std::string(info.param).find('.')); });

TEST(LibraryForms, true_colour_library_keeps_32_bits_with_alpha)
{
    ShippedLibrary library(QStringLiteral("lrestd.lgr"));
    ASSERT_TRUE(library.is_open());
    for (const Expected& expected : expected_pictures()) {
        const QImage image = library.picture(expected.name);
        EXPECT_TRUE(image.hasAlphaChannel()) << expected.name.toStdString();
        EXPECT_EQ(image.depth(), 32) << expected.name.toStdString();
    }
}

TEST(LibraryForms, low_colour_library_uses_at_most_256_colours)
{
    ShippedLibrary library(QStringLiteral("lreslo.lgr"));
    ASSERT_TRUE(library.is_open());
    for (const Expected& expected : expected_pictures()) {
        for (bool twice : {false, true}) {
            const QImage image = library.picture(expected.name, twice);
            EXPECT_EQ(image.format(), QImage::Format_Indexed8) << expected.name.toStdString();
            EXPECT_LE(image.colorCount(), 256) << expected.name.toStdString();
            QSet<QRgb> used;
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < argb.height(); ++y)
                for (int x = 0; x < argb.width(); ++x)
                    used.insert(argb.pixel(x, y));
            EXPECT_LE(used.size(), 256) << expected.name.toStdString();
        }
    }
}

// A screen of 256 colours shows one palette at a time, so the pictures of the
// board, shown side by side, must all draw from the same one.
TEST(LibraryForms, low_colour_pictures_share_one_palette)
{
    ShippedLibrary library(QStringLiteral("lreslo.lgr"));
    ASSERT_TRUE(library.is_open());
    QSet<QRgb> used;
    for (const Expected& expected : expected_pictures())
        for (bool twice : {false, true})
            for (QRgb colour : library.picture(expected.name, twice).colorTable())
                used.insert(colour);
    EXPECT_LE(used.size(), 256);
}

}  // namespace
}  // namespace lumbra::art_tests
