#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lumbra {

// "posted.txt" in the per-user data folder: the entries already posted to the
// score keeper, one a line ("1250 Vex"), so that none is offered twice.
QString posted_record_path();

// The lines of the record at `path`, or nothing when the file is missing,
// cannot be read, or is not a posted record: larger than 1 MiB, or binary
// (it holds a control character other than tab, line feed and carriage
// return). Lines are read as UTF-8, or as Latin-1 when the file is not valid
// UTF-8; CR LF, LF and CR all end a line.
std::optional<QStringList> read_posted_record(const QString& path);

// Replaces the record at `path` by `lines`, each ended by CR LF, in UTF-8,
// creating the folder when needed. False when it could not be written; the
// record as it was is then kept whole.
bool write_posted_record(const QString& path, const QStringList& lines);

}  // namespace lumbra
