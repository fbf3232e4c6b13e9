#include "resource_list.h"

namespace lumbra::art {

QByteArray ResourceList::qrc() const
{
    QByteArray out = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& file : files_) {
        const QByteArray name = file.toHtmlEscaped().toUtf8();
        out += "  <file alias=\"" + name + "\">" + name + "</file>\n";
    }
    out += "</qresource>\n</RCC>\n";
    return out;
}

}  // namespace lumbra::art
