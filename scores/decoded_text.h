#pragma once

#include <QByteArray>
#include <QString>

namespace lumbra {

// Text that came from a server: UTF-8 when the bytes are valid UTF-8, and
// otherwise Latin-1, so that neither a modern nor an old page loses a letter.
QString decoded_text(const QByteArray& bytes);

}  // namespace lumbra
