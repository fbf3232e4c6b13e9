#include "graphics_library.h"
#include "library_builder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <functional>
#include <ostream>

namespace lumbra {
namespace {

// A file that open() refuses, made from the bytes of an intact library.
struct RefusedFile {
    const char* name;
    std::function<QByteArray(const QByteArray& library)> bytes;
    const char* sentence;  // what the error says after the quoted path
};

// Test names and failures show the case by its name.
void PrintTo(const RefusedFile& tested, std::ostream* out) {
    *out << tested.name;
}

class LibraryOpeningTest : public ::testing::TestWithParam<RefusedFile> {
protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        const QString path = fixture::build_library(folder_->path(), "intact.lgr", fixture::complete_library_files(Qt::red));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        library_ = new QByteArray(file.readAll());
    }
    static void TearDownTestSuite() {
        delete library_;
        delete folder_;
    }

    static QTemporaryDir* folder_;
    static QByteArray* library_;
};

QTemporaryDir* LibraryOpeningTest::folder_ = nullptr;
QByteArray* LibraryOpeningTest::library_ = nullptr;

TEST_P(LibraryOpeningTest, RefusesWithASentence) {
    const QString path = QDir(folder_->path()).filePath(QString("%1.lgr").arg(GetParam().name));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().bytes(*library_));
    file.close();

    QString error;
    EXPECT_EQ(GraphicsLibrary::open(path, &error), nullptr);
    EXPECT_THAT(error.toStdString(),
                ::testing::EndsWith(QString("\"%1\" %2").arg(QDir::toNativeSeparators(path), GetParam().sentence).toStdString()));
}

TEST_F(LibraryOpeningTest, AMissingFileOrAFolderCannotBeRead) {
    for (const QString& path : {QDir(folder_->path()).filePath("nowhere.lgr"), folder_->path()}) {
        QString error;
        EXPECT_EQ(GraphicsLibrary::open(path, &error), nullptr);
        EXPECT_EQ(error, QString("The graphics library \"%1\" cannot be read.").arg(QDir::toNativeSeparators(path)));
    }
}

QByteArray truncated_to(const QByteArray& bytes, qsizetype size) {
    return bytes.first(size);
}

QByteArray with_u32(QByteArray bytes, qsizetype at, quint32 value) {
    qToBigEndian(value, bytes.data() + at);
    return bytes;
}

// The root folder's first child, at offset 10 of the root node, made the
// root itself.
QByteArray with_root_inside_itself(const QByteArray& bytes) {
    return with_u32(bytes, qFromBigEndian<quint32>(bytes.constData() + 8) + 10, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, LibraryOpeningTest,
    ::testing::Values(
        RefusedFile{"empty_file", [](const QByteArray&) { return QByteArray(); }, "is not a Lumbra graphics library."},
        RefusedFile{"text_file", [](const QByteArray&) { return QByteArray("red0005 empty lcd0\n"); },
                    "is not a Lumbra graphics library."},
        RefusedFile{"png_file", [](const QByteArray&) { return fixture::png_bytes({40, 40}, Qt::red); },
                    "is not a Lumbra graphics library."},
        RefusedFile{"unknown_format_version", [](const QByteArray& bytes) { return with_u32(bytes, 4, 4); },
                    "is not a Lumbra graphics library."},
        RefusedFile{"cut_in_the_header", [](const QByteArray& bytes) { return truncated_to(bytes, 10); },
                    "is damaged (truncated)."},
        RefusedFile{"cut_in_half", [](const QByteArray& bytes) { return truncated_to(bytes, bytes.size() / 2); },
                    "is damaged (truncated)."},
        RefusedFile{"last_byte_missing", [](const QByteArray& bytes) { return truncated_to(bytes, bytes.size() - 1); },
                    "is damaged (truncated)."},
        RefusedFile{"tree_beyond_the_end", [](const QByteArray& bytes) { return with_u32(bytes, 8, 0xFFFFFFF0); },
                    "is damaged (truncated)."},
        RefusedFile{"folder_inside_itself", with_root_inside_itself, "is damaged."},
        RefusedFile{"unknown_compression", [](const QByteArray& bytes) { return with_u32(bytes, 20, 0x80); },
                    "is damaged."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumbra
