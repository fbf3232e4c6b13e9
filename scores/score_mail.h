#pragma once

#include "mail_message.h"
#include "score.h"
#include "score_page.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace lumbra {

// Where posted scores go; the addresses the program is built with unless a
// caller (a test with its own relay) says otherwise.
struct ScoreMailAddresses {
    QString score_keeper;
    QString second_recipient;

    static ScoreMailAddresses built_in();
};

QString score_mail_subject(bool regular_mode);

// Body lines 1 to 4: the mode, the version, the colour depth, the underline.
QStringList score_mail_head(bool regular_mode, const QString& version, int color_depth);

// "<points> points  by <name> from <country>".
QString score_entry_line(const score& row, const QString& country);

// One entry line for every merged local entry, in the order of the local
// ranks: the rows of web_rows that post_index points at.
QStringList score_entry_lines(const QList<score>& web_rows,
                              const std::array<int, score_table_rows>& post_index, const QString& country);

// The score mail from the player's address with the given body.
MailMessage score_mail(const QString& address, bool regular_mode, const QStringList& body,
                       const ScoreMailAddresses& addresses);

// What to tell the player about a typed e-mail address, or an empty text when
// it is a plain address (name@host.domain, no blanks or line breaks) that can
// go into the mail's envelope as it stands.
QString address_problem(const QString& address);

// What to tell the player about a typed country, or an empty text when it is
// not empty and fit for one line of the mail.
QString country_problem(const QString& country);

}  // namespace lumbra
