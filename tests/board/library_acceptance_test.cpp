#include "library_acceptance.h"

#include "graphics_library.h"
#include "library_builder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>
#include <ostream>

namespace lumbra {
namespace {

using fixture::LibraryFile;

// A complete library with one change, and what the two tests make of it.
struct AcceptanceCase {
    const char* name;
    std::function<void(QList<LibraryFile>&)> change;
    bool usable_at_startup;
    bool usable_as_additional;
    const char* reason;  // part of the reason given, when refused
};

// Test names and failures show the case by its name.
void PrintTo(const AcceptanceCase& tested, std::ostream* out) {
    *out << tested.name;
}

void remove_file(QList<LibraryFile>& files, const QString& name) {
    files.removeIf([&](const LibraryFile& file) { return file.name == name; });
}

void replace_file(QList<LibraryFile>& files, const QString& name, const QByteArray& bytes) {
    remove_file(files, name);
    files.append({name, bytes});
}

class LibraryAcceptanceTest : public ::testing::TestWithParam<AcceptanceCase> {};

TEST_P(LibraryAcceptanceTest, DecidesWhetherTheWindowMayUseIt) {
    QList<LibraryFile> files = fixture::complete_library_files(Qt::red);
    GetParam().change(files);
    QTemporaryDir folder;
    const QString path = fixture::build_library(folder.path(), "changed.lgr", files);
    ASSERT_FALSE(path.isEmpty());
    const auto library = GraphicsLibrary::open(path);
    ASSERT_NE(library, nullptr);

    QString startup_reason;
    QString additional_reason;
    EXPECT_EQ(usable_at_startup(*library, &startup_reason), GetParam().usable_at_startup);
    EXPECT_EQ(usable_as_additional(*library, &additional_reason), GetParam().usable_as_additional);
    if (!GetParam().usable_as_additional) {
        EXPECT_THAT(additional_reason.toStdString(), ::testing::HasSubstr(GetParam().reason));
    }
    if (!GetParam().usable_at_startup) {
        EXPECT_THAT(startup_reason.toStdString(), ::testing::HasSubstr(GetParam().reason));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, LibraryAcceptanceTest,
    ::testing::Values(
        AcceptanceCase{"complete", [](auto&) {}, true, true, ""},
        AcceptanceCase{"without_title_next_and_sounds",
                       [](auto& files) {
                           for (const char* name : {"title.png", "title@2x.png", "next.png", "plop_up.wav", "error.wav"})
                               remove_file(files, name);
                       },
                       true, true, ""},
        AcceptanceCase{"without_twins",
                       [](auto& files) { files.removeIf([](const LibraryFile& file) { return file.name.contains('@'); }); },
                       true, true, ""},
        AcceptanceCase{"without_empty", [](auto& files) { remove_file(files, "empty.png"); }, true, false,
                       "lacks the picture \"empty\""},
        AcceptanceCase{"without_red0005", [](auto& files) { remove_file(files, "red0005.png"); }, false, false,
                       "lacks the picture \"red0005\""},
        AcceptanceCase{"red0005_is_no_png", [](auto& files) { replace_file(files, "red0005.png", "no picture"); },
                       false, false, "picture \"red0005\" is damaged"},
        AcceptanceCase{"ball_a_pixel_too_wide",
                       [](auto& files) { replace_file(files, "green0003.png", fixture::png_bytes({41, 40}, Qt::green)); },
                       false, false, "picture \"green0003\" is 41 x 40 pixels instead of 40 x 40"},
        AcceptanceCase{"twin_at_the_plain_size",
                       [](auto& files) { replace_file(files, "empty@2x.png", fixture::png_bytes({40, 40}, Qt::gray)); },
                       false, false, "picture \"empty@2x\" is 40 x 40 pixels instead of 80 x 80"},
        AcceptanceCase{"digit_of_a_ball_size",
                       [](auto& files) { replace_file(files, "lcd7.png", fixture::png_bytes({40, 40}, Qt::black)); },
                       false, false, "picture \"lcd7\" is 40 x 40 pixels instead of 30 x 45"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumbra
