#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamAttributes>

namespace lumbra {

// The built manual read as XML: a page that parses here has every tag it
// opens closed, whatever a browser would have forgiven.
class ManualDocument {
public:
    struct Element {
        QString name;
        QXmlStreamAttributes attributes;
    };

    // Reads the file at `path`; error() says what went wrong, if anything.
    explicit ManualDocument(const QString& path);

    const QString& error() const { return error_; }
    const QByteArray& raw() const { return raw_; }
    const QList<Element>& elements() const { return elements_; }
    bool has_id(const QString& id) const { return ids_.contains(id); }

    // The text of the section that starts at <h2 id="`id`">, up to the next
    // h2, with a blank after every element.
    QString section_text(const QString& id) const { return sections_.value(id); }

    // The text of every <style> element, joined.
    const QString& style_text() const { return styles_; }

    // The text of each <pre> block, in page order.
    const QStringList& preformatted() const { return preformatted_; }

private:
    QString error_;
    QByteArray raw_;
    QList<Element> elements_;
    QSet<QString> ids_;
    QHash<QString, QString> sections_;
    QString styles_;
    QStringList preformatted_;
};

}  // namespace lumbra
