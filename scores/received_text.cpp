#include "received_text.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace lumbra {

QString decoded_text(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QStringList text_lines(const QString& text)
{
    static const QRegularExpression line_break(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(line_break);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace lumbra
