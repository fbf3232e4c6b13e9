#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace lumbra {

// A plain-text mail: its envelope, the header fields the program sets and
// the body lines.
struct MailMessage {
    QString sender;            // envelope sender and header From
    QStringList recipients;    // envelope recipients, in order
    QString to;                // header To
    QString subject;
    QStringList body;
};

// A character that has no place inside one line of a mail: line and
// paragraph breaks and the other control characters.
bool breaks_mail_line(QChar c);

// The mail as it goes to the relay: the header lines From, To, Subject, Date,
// MIME-Version and Content-Type, an empty line and the body, every line ended
// by CR LF. A body line's control characters become blanks, so no line of it
// can be taken for anything but text, and a line longer than mail allows is
// cut. Header fields are kept to one line the same way. The body is in ISO-8859-1 when that holds every letter, otherwise in
// UTF-8.
QByteArray mail_text(const MailMessage& message, const QDateTime& date);

}  // namespace lumbra
