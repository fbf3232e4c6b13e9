#include "decoded_text.h"

#include <QStringDecoder>

namespace lumbra {

QString decoded_text(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

}  // namespace lumbra
