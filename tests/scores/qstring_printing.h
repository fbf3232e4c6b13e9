#pragma once

// Lets GoogleTest print Qt texts as text in its failure messages.

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& lines, std::ostream* out)
{
    *out << "{";
    for (qsizetype i = 0; i < lines.size(); ++i)
        *out << (i ? ", " : " ") << '"' << lines[i].toStdString() << '"';
    *out << " }";
}
