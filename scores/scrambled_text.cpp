#include "scrambled_text.h"

namespace lumbra {

QString toggle_high_bits(const QString& text)
{
    QString result(text.size(), QChar());
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = QChar((text[i].unicode() + 128) % 256);
    return result;
}

QString scrambled(const QString& plain)
{
    return toggle_high_bits(QString::fromLatin1(plain.toUtf8()));
}

QString unscrambled(const QString& stored)
{
    return QString::fromUtf8(toggle_high_bits(stored).toLatin1());
}

}  // namespace lumbra
