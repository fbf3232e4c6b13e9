#include "posted_record.h"

#include "received_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace lumbra {
namespace {

// A record of posted entries grows by at most nine lines a post; a file far
// larger than any record could become is something else.
constexpr qint64 largest_record = 1024 * 1024;

bool is_binary(const QByteArray& bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return (code < 0x20 && code != '\t' && code != '\n' && code != '\r') || code == 0x7F;
    });
}

}  // namespace

QString posted_record_path()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("posted.txt"));
}

std::optional<QStringList> read_posted_record(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read one byte past the limit, so that a larger file shows as such even
    // when it cannot tell its size.
    const QByteArray bytes = file.read(largest_record + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > largest_record
        || is_binary(bytes))
        return std::nullopt;

    return text_lines(decoded_text(bytes));
}

bool write_posted_record(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    QSaveFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
           && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace lumbra
