#include "posted_record.h"
#include "settings_sandbox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>
#include <ostream>

namespace lumbra {
namespace {

struct RecordCase {
    const char* name;
    QByteArray bytes;
    std::optional<QStringList> lines;
};

void PrintTo(const RecordCase& record, std::ostream* out) { *out << record.name; }

class PostedRecord : public testing::TestWithParam<RecordCase> {
protected:
    QString write(const QByteArray& bytes)
    {
        const QString path = folder_.filePath(QStringLiteral("posted.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

private:
    QTemporaryDir folder_;
};

TEST_P(PostedRecord, ReadsTextAndRefusesAnythingElse)
{
    EXPECT_EQ(read_posted_record(write(GetParam().bytes)), GetParam().lines);
}

const QStringList two_entries = {QStringLiteral("1250 Vex"), QStringLiteral("135 Orla")};

INSTANTIATE_TEST_SUITE_P(
    Files, PostedRecord,
    testing::Values(
        RecordCase{"crlf_lines", "1250 Vex\r\n135 Orla\r\n", two_entries},
        RecordCase{"lf_lines", "1250 Vex\n135 Orla\n", two_entries},
        RecordCase{"cr_lines", "1250 Vex\r135 Orla\r", two_entries},
        RecordCase{"last_line_unended", "1250 Vex\r\n135 Orla", two_entries},
        RecordCase{"empty_file", "", QStringList()},
        RecordCase{"empty_line_kept", "1250 Vex\r\n\r\n135 Orla\r\n",
                   QStringList{"1250 Vex", "", "135 Orla"}},
        RecordCase{"utf8_name", "99 J\xc3\xbcrgen Wei\xc3\x9f\r\n",
                   QStringList{QStringLiteral("99 Jürgen Weiß")}},
        RecordCase{"latin1_name", "99 J\xfcrgen\r\n", QStringList{QStringLiteral("99 Jürgen")}},
        RecordCase{"tab_is_text", "99 a\tb\n", QStringList{QStringLiteral("99 a\tb")}},
        RecordCase{"nul_byte_is_binary", QByteArray("99 Vex\0\r\n", 9), std::nullopt},
        RecordCase{"control_character_is_binary", "99 \x01Vex\r\n", std::nullopt},
        RecordCase{"delete_character_is_binary", "99 \x7fVex\r\n", std::nullopt},
        RecordCase{"png_picture_is_binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
                   std::nullopt},
        RecordCase{"larger_than_a_mebibyte", QByteArray(1024 * 1024 + 1, 'x'), std::nullopt}),
    [](const testing::TestParamInfo<RecordCase>& info) { return info.param.name; });

TEST(PostedRecordFile, MissingFileIsNoRecord)
{
    QTemporaryDir folder;
    EXPECT_EQ(read_posted_record(folder.filePath(QStringLiteral("posted.txt"))), std::nullopt);
}

TEST(PostedRecordFile, FolderInItsPlaceIsNoRecord)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("posted.txt")));
    EXPECT_EQ(read_posted_record(folder.filePath(QStringLiteral("posted.txt"))), std::nullopt);
}

TEST(PostedRecordFile, UnreadableFileIsNoRecord)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("posted.txt"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1250 Vex\r\n");
    }
    QFile::setPermissions(path, QFileDevice::Permissions());
    if (QFile(path).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    EXPECT_EQ(read_posted_record(path), std::nullopt);
}

class PostedRecordPath : public SettingsSandbox {};

TEST_F(PostedRecordPath, LivesInThePerUserDataFolder)
{
    const QString data_home = qEnvironmentVariable("XDG_DATA_HOME");
    EXPECT_EQ(posted_record_path(),
              QDir(data_home).filePath(QStringLiteral("Hollowick/lumbra/posted.txt")));
}

}  // namespace
}  // namespace lumbra
