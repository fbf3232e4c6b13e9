#include "manual_document.h"

#include <QFile>
#include <QXmlStreamReader>

namespace lumbra {

ManualDocument::ManualDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return;
    }
    raw_ = file.readAll();

    QXmlStreamReader reader(raw_);
    QString section;
    bool in_style = false;
    bool in_pre = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QString name = reader.name().toString();
            elements_.append({name, reader.attributes()});
            const QString id = reader.attributes().value(QStringLiteral("id")).toString();
            if (!id.isEmpty())
                ids_.insert(id);
            if (name == QStringLiteral("h2"))
                section = id;
            in_style = name == QStringLiteral("style");
            if (name == QStringLiteral("pre")) {
                in_pre = true;
                preformatted_.append(QString());
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            // Cells and items are separate words, also in the joined text.
            if (!section.isEmpty())
                sections_[section] += QLatin1Char(' ');
            in_style = false;
            if (reader.name() == QStringLiteral("pre"))
                in_pre = false;
            break;
        case QXmlStreamReader::Characters:
            if (in_pre)
                preformatted_.last() += reader.text();
            if (in_style)
                styles_ += reader.text();
            else if (!section.isEmpty())
                sections_[section] += reader.text();
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        error_ = QStringLiteral("line %1, column %2: %3")
                     .arg(reader.lineNumber())
                     .arg(reader.columnNumber())
                     .arg(reader.errorString());
    }
}

}  // namespace lumbra
