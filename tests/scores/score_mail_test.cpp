#include "score_mail.h"

#include "qstring_printing.h"
#include "score_page_fixture.h"

#include <gtest/gtest.h>

namespace lumbra {
namespace {

using testing_pages::row;

TEST(ScoreMail, BodyHeadNamesModeVersionAndColourDepth)
{
    EXPECT_EQ(score_mail_head(true, QStringLiteral("2.51"), 24),
              (QStringList{QStringLiteral("regular mode highscore"), QStringLiteral("Version: 2.51"),
                           QStringLiteral("Color Depth: 24"), QStringLiteral("__________________________________")}));
    EXPECT_EQ(score_mail_head(false, QStringLiteral("2.51"), 8).first(), QStringLiteral("difficult mode highscore"));
}

TEST(ScoreMail, SubjectByMode)
{
    EXPECT_EQ(score_mail_subject(true), QStringLiteral("regular Lumbra 2.1 highscore"));
    EXPECT_EQ(score_mail_subject(false), QStringLiteral("diffcult Lumbra 2.1 highscore"));
}

TEST(ScoreMail, EntryLinesFollowTheLocalRanks)
{
    const QList<score> web_rows = {row(300, QStringLiteral("Web 1")), row(250, QStringLiteral("Ann Lee"), QString()),
                                   row(200, QStringLiteral("Bo"), QString())};
    const std::array<int, 9> post_index = {2, 1, -1, -1, -1, -1, -1, -1, -1};

    EXPECT_EQ(score_entry_lines(web_rows, post_index, QStringLiteral("Peru")),
              (QStringList{QStringLiteral("200 points  by Bo from Peru"),
                           QStringLiteral("250 points  by Ann Lee from Peru")}));
}

TEST(ScoreMail, EnvelopeGoesToBothRecipientsHeaderToTheKeeperOnly)
{
    const MailMessage mail = score_mail(QStringLiteral("ann@example.org"), false, {QStringLiteral("line")},
                                        {QStringLiteral("keeper@example.org"), QStringLiteral("archive@example.org")});
    EXPECT_EQ(mail.sender, QStringLiteral("ann@example.org"));
    EXPECT_EQ(mail.recipients, (QStringList{QStringLiteral("keeper@example.org"), QStringLiteral("archive@example.org")}));
    EXPECT_EQ(mail.to, QStringLiteral("keeper@example.org"));
    EXPECT_EQ(mail.subject, QStringLiteral("diffcult Lumbra 2.1 highscore"));
    EXPECT_EQ(mail.body, QStringList{QStringLiteral("line")});
}

TEST(ScoreMail, BuiltInAddressesAreTheReservedDomainsByDefault)
{
    EXPECT_FALSE(ScoreMailAddresses::built_in().score_keeper.isEmpty());
    EXPECT_FALSE(ScoreMailAddresses::built_in().second_recipient.isEmpty());
}

struct TypedText {
    const char* name;
    const char* text;
    bool accepted;
};

void PrintTo(const TypedText& typed, std::ostream* out) { *out << typed.name; }

class TypedAddress : public testing::TestWithParam<TypedText> {};

TEST_P(TypedAddress, IsAcceptedOnlyInPlainForm)
{
    const QString problem = address_problem(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(problem.isEmpty(), GetParam().accepted) << problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, TypedAddress,
    testing::Values(TypedText{"plain", "ann@example.org", true},
                    TypedText{"dots_plus_and_subdomains", "ann.lee+lumbra@mail.example.co.uk", true},
                    TypedText{"empty", "", false}, TypedText{"no_at", "ann.example.org", false},
                    TypedText{"host_without_domain", "ann@example", false},
                    TypedText{"blank_inside", "ann lee@example.org", false},
                    TypedText{"line_break_and_a_command", "ann@example.org\r\nRCPT TO:<x@example.org>", false},
                    TypedText{"angle_brackets", "<ann@example.org>", false},
                    TypedText{"two_dots_in_a_row", "ann..lee@example.org", false},
                    TypedText{"underscore_in_the_host", "ann@exa_mple.org", false},
                    TypedText{"letters_beyond_ascii", "jürgen@example.org", false}),
    [](const testing::TestParamInfo<TypedText>& info) { return std::string(info.param.name); });

class TypedCountry : public testing::TestWithParam<TypedText> {};

TEST_P(TypedCountry, IsAcceptedOnOneLine)
{
    EXPECT_EQ(country_problem(QString::fromUtf8(GetParam().text)).isEmpty(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Countries, TypedCountry,
    testing::Values(TypedText{"plain", "Peru", true}, TypedText{"accents_and_apostrophe", "Côte d'Ivoire", true},
                    TypedText{"other_script", "Россия", true}, TypedText{"empty", "", false},
                    TypedText{"line_break", "Peru\r\n.", false},
                    TypedText{"tab", "Peru\tChile", false},
                    TypedText{"line_separator", "Peru\u2028Chile", false},
                    TypedText{"too_long", "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch Wales", false}),
    [](const testing::TestParamInfo<TypedText>& info) { return std::string(info.param.name); });

TEST(MailText, KeepsEveryLineToOneLineOfMail)
{
    MailMessage mail;
    mail.sender = QStringLiteral("ann@example.org");
    mail.to = QStringLiteral("keeper@example.org");
    mail.subject = QStringLiteral("a\r\nBcc: x@example.org");
    mail.body = {QString(2000, u'x'), QStringLiteral("end")};

    const QList<QByteArray> lines = mail_text(mail, QDateTime::currentDateTimeUtc()).split('\n');

    EXPECT_EQ(lines[2], QByteArray("Subject: a  Bcc: x@example.org\r"));
    EXPECT_EQ(lines[8], QByteArray(998, 'x') + '\r');
    EXPECT_EQ(lines[9], QByteArray("end\r"));
}

}  // namespace
}  // namespace lumbra
