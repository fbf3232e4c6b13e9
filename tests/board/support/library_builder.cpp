#include "library_builder.h"

#include "library_names.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QtEndian>

#include <cmath>
#include <numbers>

namespace lumbra::fixture {
namespace {

void append_u16(QByteArray& bytes, quint16 value) {
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

void append_u32(QByteArray& bytes, quint32 value) {
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

QByteArray png_bytes(QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray wav_bytes() {
    constexpr quint32 rate = 22050;
    constexpr int tone_samples = rate / 10;
    constexpr int all_samples = 2 * tone_samples;
    QByteArray samples;
    for (int i = 0; i < all_samples; ++i) {
        const double tone = i < tone_samples ? std::sin(2 * std::numbers::pi * 440.0 * i / rate) : 0.0;
        append_u16(samples, static_cast<quint16>(static_cast<qint16>(8000 * tone)));
    }
    QByteArray wav("RIFF");
    append_u32(wav, 36 + static_cast<quint32>(samples.size()));
    wav.append("WAVEfmt ");
    append_u32(wav, 16);
    append_u16(wav, 1);  // PCM
    append_u16(wav, 1);  // mono
    append_u32(wav, rate);
    append_u32(wav, rate * 2);
    append_u16(wav, 2);
    append_u16(wav, 16);
    wav.append("data");
    append_u32(wav, static_cast<quint32>(samples.size()));
    return wav + samples;
}

QList<LibraryFile> complete_library_files(QColor colour) {
    QList<LibraryFile> files;
    for (const LibraryPicture& picture : library_pictures()) {
        files.append({picture.name + ".png", png_bytes(picture.size, colour)});
        files.append({picture.name + "@2x.png", png_bytes(2 * picture.size, colour)});
    }
    for (const QString& sound : library_sounds())
        files.append({sound + ".wav", wav_bytes()});
    return files;
}

QString build_library(const QString& folder, const QString& file_name, const QList<LibraryFile>& files,
                      const QStringList& rcc_options) {
    const QDir dir(folder);
    const QString contents = file_name + QStringLiteral(".files");
    if (!dir.mkpath(contents))
        return {};
    // Each file lies at the library's root under its own name, as in a real one.
    QByteArray qrc("<RCC><qresource prefix=\"/\">\n");
    for (const LibraryFile& file : files) {
        const QString stored = contents + '/' + file.name;
        if (!write_file(dir.filePath(stored), file.bytes))
            return {};
        qrc += "<file alias=\"" + file.name.toUtf8() + "\">" + stored.toUtf8() + "</file>\n";
    }
    qrc += "</qresource></RCC>\n";
    const QString qrc_path = dir.filePath(file_name + QStringLiteral(".qrc"));
    const QString library_path = dir.filePath(file_name);
    if (!write_file(qrc_path, qrc))
        return {};
    QProcess rcc;
    rcc.start(QStringLiteral(LUMBRA_RCC), QStringList{"-binary"} + rcc_options + QStringList{qrc_path, "-o", library_path});
    if (!rcc.waitForFinished(60000) || rcc.exitStatus() != QProcess::NormalExit || rcc.exitCode() != 0)
        return {};
    return library_path;
}

}  // namespace lumbra::fixture
