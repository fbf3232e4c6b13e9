#include "score_mail.h"

#include "lumbra_config.h"

#include <QRegularExpression>

#include <algorithm>

namespace lumbra {
namespace {

constexpr qsizetype longest_address = 254;
constexpr qsizetype longest_country = 60;

}  // namespace

ScoreMailAddresses ScoreMailAddresses::built_in()
{
    return {QString::fromUtf8(config::score_keeper_address), QString::fromUtf8(config::second_recipient_address)};
}

QString score_mail_subject(bool regular_mode)
{
    // The score keeper sorts incoming mail by these subjects, spelling included.
    return regular_mode ? QStringLiteral("regular Lumbra 2.1 highscore")
                        : QStringLiteral("diffcult Lumbra 2.1 highscore");
}

QStringList score_mail_head(bool regular_mode, const QString& version, int color_depth)
{
    return {regular_mode ? QStringLiteral("regular mode highscore") : QStringLiteral("difficult mode highscore"),
            QStringLiteral("Version: ") + version, QStringLiteral("Color Depth: ") + QString::number(color_depth),
            QString(34, u'_')};
}

QString score_entry_line(const score& row, const QString& country)
{
    return QString::number(row.points) + QStringLiteral(" points  by ") + row.name + QStringLiteral(" from ") +
           country;
}

QStringList score_entry_lines(const QList<score>& web_rows,
                              const std::array<int, score_table_rows>& post_index, const QString& country)
{
    QStringList lines;
    for (const int index : post_index) {
        if (index >= 0 && index < web_rows.size())
            lines.append(score_entry_line(web_rows[index], country));
    }
    return lines;
}

MailMessage score_mail(const QString& address, bool regular_mode, const QStringList& body,
                       const ScoreMailAddresses& addresses)
{
    MailMessage mail;
    mail.sender = address;
    mail.recipients = {addresses.score_keeper, addresses.second_recipient};
    mail.to = addresses.score_keeper;
    mail.subject = score_mail_subject(regular_mode);
    mail.body = body;
    return mail;
}

QString address_problem(const QString& address)
{
    static const QRegularExpression plain_address(QStringLiteral(
        "^[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+(\\.[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+)*"
        "@[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)+$"));
    if (address.size() <= longest_address && plain_address.match(address).hasMatch())
        return QString();
    return QStringLiteral("\"%1\" is not an e-mail address Lumbra can post with.\n"
                          "Please type it as name@example.org, without blanks or line breaks.")
        .arg(address.simplified().left(60));
}

QString country_problem(const QString& country)
{
    const bool one_line = std::none_of(country.cbegin(), country.cend(), breaks_mail_line);
    if (one_line && !country.isEmpty() && country.size() <= longest_country)
        return QString();
    return QStringLiteral("Please type your country on one line, in at most %1 characters.").arg(longest_country);
}

}  // namespace lumbra
