// The cursors and the icon compiled into the program, and the icon file
// shipped beside it.

#include "program_art.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QtEndian>

#include <set>
#include <string>

namespace lumbra {

// Names a cursor in the test's own messages.
void PrintTo(const ProgramCursor& cursor, std::ostream* out) { *out << cursor.name; }

namespace art_tests {
namespace {

QString text(std::string_view view) { return QString::fromLatin1(view.data(), qsizetype(view.size())); }

class ProgramCursorArt : public testing::TestWithParam<ProgramCursor> {};

TEST_P(ProgramCursorArt, is_a_32_pixel_picture_with_alpha_and_its_2x_twin)
{
    const QString path = text(GetParam().resource);
    const QImage once(path);
    const QImage twice(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
    EXPECT_EQ(once.size(), QSize(program_cursor_size, program_cursor_size));
    EXPECT_TRUE(once.hasAlphaChannel());
    EXPECT_EQ(twice.size(), QSize(2 * program_cursor_size, 2 * program_cursor_size));
}

TEST_P(ProgramCursorArt, hot_spot_lies_on_the_drawn_hand)
{
    const QImage once(text(GetParam().resource));
    ASSERT_FALSE(once.isNull());
    ASSERT_TRUE(once.rect().contains(GetParam().hot_x, GetParam().hot_y));
    EXPECT_GT(qAlpha(once.pixel(GetParam().hot_x, GetParam().hot_y)), 128);
    // The corner opposite the finger stays see-through.
    EXPECT_EQ(qAlpha(once.pixel(0, program_cursor_size - 1)), 0);
}

INSTANTIATE_TEST_SUITE_P(Compiled, ProgramCursorArt, testing::ValuesIn(program_cursors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramIcon, is_compiled_in_at_every_size)
{
    for (int size : program_icon_sizes) {
        const QImage icon(text(program_icon_prefix) + QString::number(size) + QStringLiteral(".png"));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
    }
}

TEST(ProgramIcon, scalable_icon_is_valid_svg)
{
    QSvgRenderer renderer(QStringLiteral(":/program/icon/lumbra.svg"));
    EXPECT_TRUE(renderer.isValid());
}

// Reads the icon directory by hand, as Windows does, and decodes each entry.
TEST(ProgramIcon, icon_file_beside_the_program_holds_png_sizes_16_to_256)
{
    QFile file(QStringLiteral(LUMBRA_STAGE_DIR "/lumbra.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    ASSERT_GE(data.size(), 6);
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(data.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(data.constData() + at); };
    EXPECT_EQ(u16(0), 0);
    EXPECT_EQ(u16(2), 1);
    const int count = u16(4);
    ASSERT_GE(data.size(), 6 + 16 * count);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        const int width = quint8(data[entry]) == 0 ? 256 : quint8(data[entry]);
        const quint32 length = u32(entry + 8);
        const quint32 offset = u32(entry + 12);
        ASSERT_LE(qsizetype(offset) + qsizetype(length), data.size());
        const QByteArray png = data.mid(offset, length);
        EXPECT_TRUE(png.startsWith("\x89PNG")) << width;
        const QImage image = QImage::fromData(png, "PNG");
        EXPECT_EQ(image.size(), QSize(width, width));
        sizes.insert(width);
    }
    for (int size : {16, 32, 48, 256})
        EXPECT_TRUE(sizes.count(size)) << size;
}

}  // namespace
}  // namespace art_tests
}  // namespace lumbra
