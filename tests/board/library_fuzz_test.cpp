// Damaged copies of a small library, in each format rcc writes, must never
// crash or hang the program.

#include "damaged_copies.h"
#include "graphics_library.h"
#include "library_acceptance.h"
#include "library_builder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <ostream>

namespace lumbra {
namespace {

using fixture::LibraryFile;

QList<LibraryFile> small_library_files() {
    return {{"empty.png", fixture::png_bytes({40, 40}, Qt::gray)},
            {"empty@2x.png", fixture::png_bytes({80, 80}, Qt::gray)},
            {"red0005.png", fixture::png_bytes({40, 40}, Qt::red)},
            {"red0005@2x.png", fixture::png_bytes({80, 80}, Qt::red)},
            // Silence, so that rcc compresses it.
            {"plop_up.wav", QByteArray(2000, '\0')}};
}

struct RccFormat {
    const char* name;
    QStringList rcc_options;
};

// Test names and failures show the case by its name.
void PrintTo(const RccFormat& tested, std::ostream* out) {
    *out << tested.name;
}

class LibraryFuzzTest : public ::testing::TestWithParam<RccFormat> {
protected:
    void SetUp() override {
        const QString path = fixture::build_library(folder_.path(), "intact.lgr", small_library_files(), GetParam().rcc_options);
        ASSERT_FALSE(path.isEmpty());
        const auto library = GraphicsLibrary::open(path);
        ASSERT_NE(library, nullptr);
        ASSERT_TRUE(usable_as_additional(*library));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        copies_ = std::make_unique<fixture::DamagedCopies>(folder_.path(), file.readAll());
    }

    QTemporaryDir folder_;
    std::unique_ptr<fixture::DamagedCopies> copies_;
};

TEST_P(LibraryFuzzTest, EveryTruncationIsRefused) {
    EXPECT_EQ(copies_->open_truncations(), 0);
}

TEST_P(LibraryFuzzTest, FlippedBytesAreSafe) {
    // Most flips hit pictures and sounds, not the structure, so many copies
    // open and their look-ups meet damaged drawings.
    EXPECT_GT(copies_->open_flipped_bytes(2000), 100);
}

TEST_P(LibraryFuzzTest, CorruptedOffsetsAreSafe) {
    copies_->open_corrupted_offsets();
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LibraryFuzzTest,
    ::testing::Values(RccFormat{"zstd", {"--compress-algo", "zstd"}}, RccFormat{"zlib", {"--compress-algo", "zlib"}},
                      RccFormat{"format_1_uncompressed", {"--format-version", "1", "--no-compress"}},
                      RccFormat{"format_2", {"--format-version", "2"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumbra
