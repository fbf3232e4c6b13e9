#pragma once

// Reading the mail a test relay kept (see servers/mail_drop.py).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace lumbra::testing_servers {

struct ReceivedMail {
    QString sender;
    QStringList recipients;
    QStringList header;  // the header lines, in order
    QStringList body;    // the lines after the empty line, in order
    QByteArray raw;
};

inline QByteArray file_content(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The mails in the folder, in the order they arrived.
inline QList<ReceivedMail> received_mails(const QString& folder)
{
    QList<ReceivedMail> mails;
    for (int n = 1; QFile::exists(QDir(folder).filePath(QStringLiteral("%1.eml").arg(n))); ++n) {
        ReceivedMail mail;
        QStringList envelope = QString::fromUtf8(file_content(QDir(folder).filePath(QStringLiteral("%1.envelope").arg(n))))
                                   .split(u'\n', Qt::SkipEmptyParts);
        mail.sender = envelope.value(0);
        mail.recipients = envelope.mid(1);
        mail.raw = file_content(QDir(folder).filePath(QStringLiteral("%1.eml").arg(n)));
        QStringList lines = QString::fromLatin1(mail.raw).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        const qsizetype blank = lines.indexOf(QString());
        mail.header = lines.mid(0, blank);
        mail.body = blank >= 0 ? lines.mid(blank + 1) : QStringList();
        mails.append(mail);
    }
    return mails;
}

// The value of a header field, or nothing when the mail has no such field.
inline QString header_field(const ReceivedMail& mail, const QString& name)
{
    for (const QString& line : mail.header) {
        if (line.startsWith(name + QStringLiteral(": ")))
            return line.mid(name.size() + 2);
    }
    return QStringLiteral("(none)");
}

}  // namespace lumbra::testing_servers
