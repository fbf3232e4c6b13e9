// The seven ball colours stay apart for players with the common red-green
// deficiencies, measured on the shipped pictures themselves.

#include "shipped_library.h"

#include "body_colour.h"
#include "colour_vision.h"

#include <gtest/gtest.h>

#include <string>

namespace lumbra::art_tests {
namespace {

using art::Lab;
using art::Vision;

// Reference pairs published with the CIEDE2000 formula (Sharma, Wu and
// Dalal 2005), chosen to cover the hue-angle corner cases.
struct ReferencePair {
    Lab first, second;
    double difference;
};

TEST(ColourDifference, matches_the_published_ciede2000_pairs)
{
    const ReferencePair pairs[] = {
        {{50.0, 2.6772, -79.7751}, {50.0, 0.0, -82.7485}, 2.0425},
        {{50.0, -1.3802, -84.2814}, {50.0, 0.0, -82.7485}, 1.0000},
        {{50.0, 0.0, 0.0}, {50.0, -1.0, 2.0}, 2.3669},
        {{50.0, 2.49, -0.001}, {50.0, -2.49, 0.0011}, 7.2195},
        {{50.0, 2.5, 0.0}, {73.0, 25.0, -18.0}, 27.1492},
        {{50.0, 2.5, 0.0}, {50.0, 3.2592, 0.335}, 1.0000},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{22.7233, 20.0904, -46.694}, {23.0331, 14.973, -42.5619}, 2.0373},
        {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
    };
    for (const ReferencePair& pair : pairs) {
        EXPECT_NEAR(art::delta_e_2000(pair.first, pair.second), pair.difference, 1e-4);
        EXPECT_NEAR(art::delta_e_2000(pair.second, pair.first), pair.difference, 1e-4);
    }
}

TEST(ColourVisionSimulation, leaves_greys_grey)
{
    for (Vision vision : art::all_visions) {
        for (int level : {0, 64, 128, 192, 255}) {
            const QColor seen = art::simulate(QColor(level, level, level), vision);
            EXPECT_NEAR(seen.red(), level, 1) << art::vision_name(vision).toStdString();
            EXPECT_NEAR(seen.green(), level, 1);
            EXPECT_NEAR(seen.blue(), level, 1);
        }
    }
}

TEST(ColourVisionSimulation, merges_a_classic_red_green_confusion_pair)
{
    // Olive and a dull orange that differ plainly to normal eyes lie on one
    // confusion line for the deuteranope.
    const QColor orange(0xc0, 0x70, 0x30), olive(0x90, 0x80, 0x30);
    auto difference = [&](Vision v) {
        return art::delta_e_2000(art::to_lab(art::simulate(orange, v)), art::to_lab(art::simulate(olive, v)));
    };
    EXPECT_GT(difference(Vision::normal), 10.0);
    EXPECT_LT(difference(Vision::deuteranopia), 0.5 * difference(Vision::normal));
}

struct ViewCase {
    const char* library;
    Vision vision;
    double smallest_difference;  // CIEDE2000 between any two colours
};

void PrintTo(const ViewCase& view, std::ostream* out)
{
    *out << view.library << " " << art::vision_name(view.vision).toStdString();
}

class BallColoursApart : public testing::TestWithParam<ViewCase> {};

TEST_P(BallColoursApart, every_pair_differs_plainly)
{
    const ViewCase& view = GetParam();
    ShippedLibrary library{QLatin1String(view.library)};
    ASSERT_TRUE(library.is_open());
    const char* words[] = {"red", "green", "blue", "yellow", "lblue", "black", "purple"};
    std::vector<Lab> seen;
    for (const char* word : words) {
        const QImage rest = library.picture(QLatin1String(word) + QStringLiteral("0005"));
        ASSERT_FALSE(rest.isNull()) << word;
        seen.push_back(art::to_lab(art::simulate(art::body_colour(rest), view.vision)));
    }
    for (std::size_t i = 0; i < seen.size(); ++i)
        for (std::size_t j = i + 1; j < seen.size(); ++j)
            EXPECT_GE(art::delta_e_2000(seen[i], seen[j]), view.smallest_difference)
                << words[i] << " and " << words[j] << " under " << art::vision_name(view.vision).toStdString();
}

std::vector<ViewCase> view_cases()
{
    std::vector<ViewCase> cases;
    for (const char* library : {"lrestd.lgr", "lreslo.lgr", "lresshape.lgr"}) {
        cases.push_back({library, Vision::normal, 20.0});
        cases.push_back({library, Vision::deuteranopia, 15.0});
        cases.push_back({library, Vision::protanopia, 15.0});
        cases.push_back({library, Vision::tritanopia, 10.0});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Shipped, BallColoursApart, testing::ValuesIn(view_cases()), [](const auto& info) {
    const std::string library = info.param.library;
    return library.substr(0, library.find('.')) + "_" + art::vision_name(info.param.vision).toStdString();
});

}  // namespace
}  // namespace lumbra::art_tests
