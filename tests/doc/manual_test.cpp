#include "graphics_library.h"
#include "library_acceptance.h"
#include "library_names.h"
#include "manual_document.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QTemporaryDir>

#include <optional>

#include <gtest/gtest.h>

namespace lumbra {
namespace {

const ManualDocument& manual()
{
    static const ManualDocument document(QStringLiteral(LUMBRA_MANUAL_PATH));
    return document;
}

const QString kPngDataPrefix = QStringLiteral("data:image/png;base64,");

struct PngSize {
    int width = 0;
    int height = 0;
};

// The size a PNG's header gives, or nothing when the bytes are not a PNG.
std::optional<PngSize> png_size(const QByteArray& png)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (png.size() < 24 || !png.startsWith(signature))
        return std::nullopt;
    const auto big_endian = [&png](int at) {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | static_cast<quint8>(png[at + i]);
        return static_cast<int>(value);
    };
    return PngSize{big_endian(16), big_endian(20)};
}

QByteArray decoded_png(const QString& uri)
{
    return QByteArray::fromBase64(uri.mid(kPngDataPrefix.size()).toLatin1(),
                                  QByteArray::AbortOnBase64DecodingErrors);
}

TEST(Manual, IsWellFormed)
{
    ASSERT_FALSE(manual().raw().isEmpty()) << manual().error().toStdString();
    EXPECT_TRUE(manual().error().isEmpty()) << manual().error().toStdString();
    ASSERT_FALSE(manual().elements().isEmpty());
    EXPECT_EQ(manual().elements().first().name, QStringLiteral("html"));
}

TEST(Manual, HasNoPlaceholderLeft)
{
    const QRegularExpression placeholder(QStringLiteral("@[A-Z][A-Z_]*[:@]"));
    const QRegularExpressionMatch match = placeholder.match(QString::fromUtf8(manual().raw()));
    EXPECT_FALSE(match.hasMatch()) << match.captured().toStdString();
}

TEST(Manual, ReferencesNothingOutsideItself)
{
    const QStringList foreign{QStringLiteral("script"), QStringLiteral("link"),
                              QStringLiteral("iframe"), QStringLiteral("object"),
                              QStringLiteral("embed")};
    for (const ManualDocument::Element& element : manual().elements()) {
        EXPECT_FALSE(foreign.contains(element.name)) << element.name.toStdString();
        const QString src = element.attributes.value(QStringLiteral("src")).toString();
        if (element.name == QStringLiteral("img")) {
            EXPECT_TRUE(src.startsWith(kPngDataPrefix)) << src.left(80).toStdString();
        }
        const QString srcset = element.attributes.value(QStringLiteral("srcset")).toString();
        if (!srcset.isEmpty()) {
            EXPECT_TRUE(srcset.startsWith(kPngDataPrefix)) << srcset.left(80).toStdString();
        }
        const QString href = element.attributes.value(QStringLiteral("href")).toString();
        if (!href.isEmpty()) {
            EXPECT_TRUE(href.startsWith(QLatin1Char('#')) && manual().has_id(href.mid(1)))
                << "link to " << href.toStdString();
        }
    }
    const QRegularExpression url(QStringLiteral("url\\((?!data:image/png;base64,)"));
    EXPECT_FALSE(url.match(manual().style_text()).hasMatch());
}

TEST(Manual, EveryPictureIsAPngOfTheSizeItIsShownAt)
{
    int pictures = 0;
    for (const ManualDocument::Element& element : manual().elements()) {
        if (element.name != QStringLiteral("img"))
            continue;
        ++pictures;
        const QString alt = element.attributes.value(QStringLiteral("alt")).toString();
        EXPECT_FALSE(alt.isEmpty());
        const auto size = png_size(decoded_png(element.attributes.value(QStringLiteral("src")).toString()));
        ASSERT_TRUE(size) << alt.toStdString();
        EXPECT_EQ(QString::number(size->width), element.attributes.value(QStringLiteral("width")));
        EXPECT_EQ(QString::number(size->height), element.attributes.value(QStringLiteral("height")));
        const QString srcset = element.attributes.value(QStringLiteral("srcset")).toString();
        if (!srcset.isEmpty()) {
            const auto twin = png_size(decoded_png(srcset.section(QLatin1Char(' '), 0, 0)));
            ASSERT_TRUE(twin) << alt.toStdString() << " at 2x";
            EXPECT_EQ(twin->width, 2 * size->width) << alt.toStdString();
            EXPECT_EQ(twin->height, 2 * size->height) << alt.toStdString();
        }
    }
    EXPECT_GE(pictures, 5);

    // The diagrams draw their squares from one style rule per picture.
    const QRegularExpression rule(QStringLiteral(
        "\\.p-([a-z_0-9]+) \\{ width: (\\d+)px; height: (\\d+)px;[^}]*?url\\((data:[^)]+)\\)"));
    auto rules = rule.globalMatch(manual().style_text());
    int styled = 0;
    while (rules.hasNext()) {
        const QRegularExpressionMatch match = rules.next();
        ++styled;
        const auto size = png_size(decoded_png(match.captured(4)));
        ASSERT_TRUE(size) << match.captured(1).toStdString();
        EXPECT_EQ(size->width, match.captured(2).toInt()) << match.captured(1).toStdString();
        EXPECT_EQ(size->height, match.captured(3).toInt()) << match.captured(1).toStdString();
    }
    EXPECT_GE(styled, 10);
}

TEST(Manual, EverySquareOfADiagramHasItsPicture)
{
    for (const ManualDocument::Element& element : manual().elements()) {
        const QStringList classes =
            element.attributes.value(QStringLiteral("class")).toString().split(QLatin1Char(' '));
        for (const QString& name : classes) {
            if (name.startsWith(QStringLiteral("p-"))) {
                EXPECT_TRUE(manual().style_text().contains(QLatin1Char('.') + name + QStringLiteral(" {")))
                    << name.toStdString();
            }
        }
    }
}

// The table of names in the library section, read back: each name with the
// size its row gives.
QHash<QString, QSize> sizes_in_names_table()
{
    static const QRegularExpression row(QStringLiteral(
        "<tr><td>((?:<code>[a-z_0-9]+</code>\\s*)+)</td><td>(\\d+) \u00d7 (\\d+)</td>"));
    static const QRegularExpression code(QStringLiteral("<code>([a-z_0-9]+)</code>"));
    QHash<QString, QSize> sizes;
    auto rows = row.globalMatch(QString::fromUtf8(manual().raw()));
    while (rows.hasNext()) {
        const QRegularExpressionMatch match = rows.next();
        const QSize size(match.captured(2).toInt(), match.captured(3).toInt());
        auto names = code.globalMatch(match.captured(1));
        while (names.hasNext())
            sizes.insert(names.next().captured(1), size);
    }
    return sizes;
}

TEST(Manual, LibrarySectionListsEveryPictureAtItsSize)
{
    const QHash<QString, QSize> listed = sizes_in_names_table();
    ASSERT_EQ(library_pictures().size(), 128);
    QStringList missing;
    for (const LibraryPicture& picture : library_pictures()) {
        if (!listed.contains(picture.name))
            missing.append(picture.name);
        else
            EXPECT_EQ(listed.value(picture.name), picture.size) << picture.name.toStdString();
    }
    EXPECT_TRUE(missing.isEmpty()) << "not listed: " << missing.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(listed.size(), library_pictures().size());
}

TEST(Manual, LibrarySectionNamesEverySound)
{
    const QString section = manual().section_text(QStringLiteral("making"));
    for (const QString& sound : library_sounds()) {
        EXPECT_TRUE(section.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(sound))))
            << sound.toStdString();
    }
}

struct PointsRow {
    const char* name;
    int balls;
    int straight;
    int diagonal;
};

void PrintTo(const PointsRow& row, std::ostream* out)
{
    *out << row.name;
}

class ManualPointsTable : public testing::TestWithParam<PointsRow> {};

TEST_P(ManualPointsTable, ListsWhatARemovalScores)
{
    const PointsRow& row = GetParam();
    const QString cells = QStringLiteral("<td class=\"num\">%1</td><td class=\"num\">%2</td><td class=\"num\">%3</td>")
                              .arg(row.balls)
                              .arg(row.straight)
                              .arg(row.diagonal);
    EXPECT_TRUE(manual().raw().contains(cells.toUtf8())) << cells.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ManualPointsTable,
    testing::Values(PointsRow{"row_of_five", 5, 3, 5}, PointsRow{"row_of_six", 6, 5, 8},
                    PointsRow{"row_of_seven", 7, 8, 12},
                    PointsRow{"two_straight_fives_crossing", 9, 17, 23},
                    PointsRow{"three_fives_through_one_ball", 13, 47, 57}),
    [](const testing::TestParamInfo<PointsRow>& info) { return std::string(info.param.name); });

// The bytes of picture `name` as a diagram's style rule embeds it, or of its
// double-size twin.
QByteArray styled_picture(const QString& name, bool twin)
{
    const QString pattern = twin ? QStringLiteral("\\.p-%1 \\{[^}]*?url\\((data:[^)]+)\\) 2x")
                                 : QStringLiteral("\\.p-%1 \\{[^}]*?url\\((data:[^)]+)\\)");
    const QRegularExpression rule(pattern.arg(name));
    return decoded_png(rule.match(manual().style_text()).captured(1));
}

// The recipe of the library section, followed to the letter, packs a library
// that the game accepts.
TEST(Manual, LibraryRecipePacksALibraryTheGameAccepts)
{
    QString list_script;
    QString pack_command;
    for (const QString& block : manual().preformatted()) {
        if (block.contains(QStringLiteral("for f in")))
            list_script = block;
        if (block.trimmed().startsWith(QStringLiteral("/usr/lib/qt6/libexec/rcc ")))
            pack_command = block.trimmed();
    }
    ASSERT_FALSE(list_script.isEmpty());
    ASSERT_FALSE(pack_command.isEmpty());
    if (!QFile::exists(pack_command.section(QLatin1Char(' '), 0, 0)))
        GTEST_SKIP() << "Qt's rcc is not installed here";

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir dir(folder.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("pictures")) && dir.mkpath(QStringLiteral("sounds")));
    const auto write = [&dir](const char* file, const QByteArray& bytes) {
        QFile out(dir.filePath(QLatin1String(file)));
        return !bytes.isEmpty() && out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    };
    // The manual's own drawings of the standard library make a small library.
    ASSERT_TRUE(write("pictures/empty.png", styled_picture(QStringLiteral("empty"), false)));
    ASSERT_TRUE(write("pictures/red0005.png", styled_picture(QStringLiteral("red0005"), false)));
    ASSERT_TRUE(write("pictures/red0005@2x.png", styled_picture(QStringLiteral("red0005"), true)));
    ASSERT_TRUE(write("sounds/plop_up.wav", QByteArray("RIFF")));
    for (const QString& script : {list_script, pack_command}) {
        QProcess shell;
        shell.setWorkingDirectory(folder.path());
        shell.start(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), script});
        ASSERT_TRUE(shell.waitForFinished(60000));
        ASSERT_EQ(shell.exitCode(), 0) << script.toStdString() << "\n"
                                       << shell.readAllStandardError().toStdString();
    }

    QString error;
    const auto library = GraphicsLibrary::open(dir.filePath(QStringLiteral("mylibrary.lgr")), &error);
    ASSERT_TRUE(library) << error.toStdString();
    QString reason;
    EXPECT_TRUE(usable_as_additional(*library, &reason)) << reason.toStdString();
    EXPECT_FALSE(library->picture(QStringLiteral("RED0005"), 2.0).isNull());
    EXPECT_TRUE(library->has_sound(QStringLiteral("plop_up")));
}

}  // namespace
}  // namespace lumbra
