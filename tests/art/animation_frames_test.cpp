// The frames of every stone mean what the game plays them as: 0000..0004
// grow from a dot to the ball at rest (0005), 0006..0010 are one hop.
// Measured on the shipped pictures against the empty tile.

#include "shipped_library.h"

#include <gtest/gtest.h>

#include <QRect>

#include <cstdlib>
#include <string>

namespace lumbra::art_tests {
namespace {

// The pixels where a stone picture differs plainly from the empty tile,
// above `below_y` (to leave the shadow on the floor out when needed).
struct Footprint {
    int area = 0;
    QRect bounds;
};

Footprint footprint(const QImage& stone, const QImage& empty, int below_y = 40)
{
    Footprint result;
    for (int y = 0; y < std::min(below_y, stone.height()); ++y) {
        for (int x = 0; x < stone.width(); ++x) {
            const QRgb a = stone.pixel(x, y), b = empty.pixel(x, y);
            const int difference = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                   std::abs(qBlue(a) - qBlue(b));
            if (difference > 60) {
                ++result.area;
                result.bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return result;
}

struct StoneCase {
    const char* library;
    const char* word;
};

void PrintTo(const StoneCase& c, std::ostream* out) { *out << c.library << " " << c.word; }

class StoneFrames : public testing::TestWithParam<StoneCase> {
protected:
    void SetUp() override
    {
        library_ = std::make_unique<ShippedLibrary>(QLatin1String(GetParam().library));
        ASSERT_TRUE(library_->is_open());
        empty_ = library_->picture(QStringLiteral("empty")).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(empty_.isNull());
    }

    Footprint frame(int number, int below_y = 40) const
    {
        const QString name = QLatin1String(GetParam().word) + QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
        return footprint(library_->picture(name).convertToFormat(QImage::Format_ARGB32), empty_, below_y);
    }

    std::unique_ptr<ShippedLibrary> library_;
    QImage empty_;
};

TEST_P(StoneFrames, growth_starts_as_a_dot_and_ends_at_rest_size)
{
    const int rest = frame(5).area;
    EXPECT_LT(frame(0).area * 12, rest);
    for (int f = 1; f <= 5; ++f)
        EXPECT_GT(frame(f).area, frame(f - 1).area) << "frame " << f;
}

TEST_P(StoneFrames, hop_squashes_rises_and_falls)
{
    // Only the stone itself: its shadow lies below y = 30.
    const Footprint rest = frame(5, 30), squashed = frame(6, 30), top = frame(8, 30);
    EXPECT_GT(squashed.bounds.top(), rest.bounds.top());
    EXPECT_GT(squashed.bounds.width(), rest.bounds.width());
    EXPECT_LT(top.bounds.top(), rest.bounds.top());
    for (int f : {7, 9}) {
        const int y = frame(f, 30).bounds.top();
        EXPECT_LT(y, rest.bounds.top()) << "frame " << f << " is in the air";
        EXPECT_GE(y, top.bounds.top()) << "frame " << f << " is no higher than the top of the hop";
    }
}

std::vector<StoneCase> stone_cases()
{
    std::vector<StoneCase> cases;
    for (const char* library : {"lrestd.lgr", "lreslo.lgr", "lresshape.lgr"})
        for (const char* word : {"red", "green", "blue", "yellow", "lblue", "black", "purple", "joker", "quest"})
            cases.push_back({library, word});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Shipped, StoneFrames, testing::ValuesIn(stone_cases()), [](const auto& info) {
    const std::string library = info.param.library;
    return library.substr(0, library.find('.')) + "_" + info.param.word;
});

// The library for colour-blind players is the standard one with a mark on
// every coloured ball, and nothing else changed.
TEST(ShapeLibrary, marks_every_colour_and_changes_nothing_else)
{
    ShippedLibrary plain(QStringLiteral("lrestd.lgr"));
    ShippedLibrary marked(QStringLiteral("lresshape.lgr"));
    ASSERT_TRUE(plain.is_open());
    ASSERT_TRUE(marked.is_open());
    for (const char* word : {"red", "green", "blue", "yellow", "lblue", "black", "purple"}) {
        const QString name = QLatin1String(word) + QStringLiteral("0005");
        const QImage a = plain.picture(name).convertToFormat(QImage::Format_ARGB32);
        const QImage b = marked.picture(name).convertToFormat(QImage::Format_ARGB32);
        EXPECT_GT(footprint(b, a).area, 25) << word;
    }
    for (const char* name : {"empty", "joker0005", "quest0005", "dynamit0005", "dynamit0012", "lcd8", "title"})
        EXPECT_EQ(plain.picture(QLatin1String(name)), marked.picture(QLatin1String(name))) << name;
}

// No two colours share a mark: the marks, cut out of each picture, differ.
TEST(ShapeLibrary, every_colour_has_a_shape_of_its_own)
{
    ShippedLibrary plain(QStringLiteral("lrestd.lgr"));
    ShippedLibrary marked(QStringLiteral("lresshape.lgr"));
    ASSERT_TRUE(plain.is_open());
    ASSERT_TRUE(marked.is_open());
    const char* words[] = {"red", "green", "blue", "yellow", "lblue", "black", "purple"};
    std::vector<QImage> masks;
    for (const char* word : words) {
        const QString name = QLatin1String(word) + QStringLiteral("0005");
        const QImage a = plain.picture(name).convertToFormat(QImage::Format_ARGB32);
        const QImage b = marked.picture(name).convertToFormat(QImage::Format_ARGB32);
        QImage mask(a.size(), QImage::Format_Mono);
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                mask.setPixel(x, y, footprint(b.copy(x, y, 1, 1), a.copy(x, y, 1, 1)).area);
        masks.push_back(mask);
    }
    for (std::size_t i = 0; i < masks.size(); ++i) {
        for (std::size_t j = i + 1; j < masks.size(); ++j) {
            int different = 0;
            for (int y = 0; y < masks[i].height(); ++y)
                for (int x = 0; x < masks[i].width(); ++x)
                    different += masks[i].pixelIndex(x, y) != masks[j].pixelIndex(x, y);
            EXPECT_GT(different, 20) << words[i] << " and " << words[j];
        }
    }
}

}  // namespace
}  // namespace lumbra::art_tests
