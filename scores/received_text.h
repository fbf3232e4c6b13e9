#pragma once

// Text the program reads from outside: a server's reply, a file it keeps.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumbra {

// UTF-8 when the bytes are valid UTF-8, and otherwise Latin-1, so that
// neither a modern nor an old text loses a letter.
QString decoded_text(const QByteArray& bytes);

// The lines of a text, split at CR LF, CR or LF. A line break at the very end
// of the text does not begin one more, empty line.
QStringList text_lines(const QString& text);

}  // namespace lumbra
