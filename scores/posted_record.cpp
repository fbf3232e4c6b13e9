#include "posted_record.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>

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

QString decoded(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
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

    static const QRegularExpression line_end(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = decoded(bytes).split(line_end);
    // The line end of the last line starts no line of its own.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace lumbra
