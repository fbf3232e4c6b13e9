#include "mail_message.h"

#include <algorithm>

namespace lumbra {
namespace {

// A mail line may hold 998 octets before its CR LF.
constexpr qsizetype longest_mail_line = 998;

bool fits_latin1(const QStringList& lines)
{
    return std::all_of(lines.cbegin(), lines.cend(), [](const QString& line) {
        return std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.unicode() < 256; });
    });
}

QString single_line(QString text)
{
    std::replace_if(text.begin(), text.end(), breaks_mail_line, QChar(u' '));
    return text;
}

QByteArray body_line(const QString& text, bool latin1)
{
    // Every character takes at least one octet.
    QString line = single_line(text.left(longest_mail_line));
    while (true) {
        const QByteArray encoded = latin1 ? line.toLatin1() : line.toUtf8();
        if (encoded.size() <= longest_mail_line)
            return encoded;
        line.chop(1);
    }
}

}  // namespace

bool breaks_mail_line(QChar c)
{
    return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
           c.category() == QChar::Separator_Paragraph;
}

QByteArray mail_text(const MailMessage& message, const QDateTime& date)
{
    const bool latin1 = fits_latin1(message.body);
    QByteArray text;
    const auto add = [&text](const QByteArray& line) { text += line + "\r\n"; };
    add("From: " + single_line(message.sender).toUtf8());
    add("To: " + single_line(message.to).toUtf8());
    add("Subject: " + single_line(message.subject).toUtf8());
    add("Date: " + date.toString(Qt::RFC2822Date).toLatin1());
    add("MIME-Version: 1.0");
    add(latin1 ? "Content-Type: text/plain; charset=iso-8859-1" : "Content-Type: text/plain; charset=utf-8");
    add("Content-Transfer-Encoding: 8bit");
    add(QByteArray());
    for (const QString& line : message.body)
        add(body_line(line, latin1));
    return text;
}

}  // namespace lumbra
