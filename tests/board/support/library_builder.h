#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace lumbra::fixture {

// One file inside a library, by its file name there ("red0005@2x.png").
struct LibraryFile {
    QString name;
    QByteArray bytes;
};

// A PNG of one colour.
QByteArray png_bytes(QSize size, QColor colour);

// A short 16-bit PCM WAV: a tenth of a second of tone, then silence.
QByteArray wav_bytes();

// Every picture of a library at its size, with its @2x twin, and the three
// sounds; all pictures in `colour`.
QList<LibraryFile> complete_library_files(QColor colour);

// Writes `files` into `folder`, packs them with `rcc -binary` (and any
// further rcc options, such as a compression algorithm) into
// `folder/file_name`, and returns that path; an empty string when rcc fails.
QString build_library(const QString& folder, const QString& file_name, const QList<LibraryFile>& files,
                      const QStringList& rcc_options = {});

}  // namespace lumbra::fixture
