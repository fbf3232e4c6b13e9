#include "smtp_client.h"

#include "event_watch.h"
#include "local_server.h"
#include "mail_folder.h"
#include "qstring_printing.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumbra {
namespace {

using testing_servers::LocalServer;
using testing_servers::received_mails;

class SmtpClientTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        QObject::connect(&client_, &SmtpClient::trace, [this](const QString& line) { trace_.append(line); });
    }

    void use_relay(const LocalServer& relay, std::chrono::seconds reply_limit = std::chrono::seconds(15))
    {
        SmtpSettings settings;
        settings.relay_host = QStringLiteral("127.0.0.1");
        settings.relay_port = relay.port();
        settings.helo_name = QStringLiteral("lumbra-test");
        settings.reply_limit = reply_limit;
        client_.set_settings(settings);
    }

    static MailMessage mail(const QStringList& body, const QString& sender = QStringLiteral("ann@example.org"))
    {
        return {sender,
                {QStringLiteral("keeper@example.org"), QStringLiteral("archive@example.org")},
                QStringLiteral("keeper@example.org"),
                QStringLiteral("regular Lumbra 2.1 highscore"),
                body};
    }

    std::string trace() const { return trace_.join(u'\n').toStdString(); }

    QTemporaryDir folder_;
    SmtpClient client_;
    QStringList trace_;
};

TEST_F(SmtpClientTest, RelayReceivesTheMailAsComposed)
{
    const auto relay = testing_servers::start_mail_relay(folder_.path());
    ASSERT_TRUE(relay->ready()) << relay->output().toStdString();
    use_relay(*relay);
    const QStringList body = {QStringLiteral("first line"), QString(), QStringLiteral("  indented"),
                              QStringLiteral("last line")};

    ASSERT_TRUE(client_.send(mail(body), QDateTime(QDate(2026, 12, 11), QTime(12, 0), Qt::UTC))) << trace();

    const auto mails = received_mails(folder_.path());
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0].sender, QStringLiteral("ann@example.org"));
    EXPECT_EQ(mails[0].recipients, (QStringList{QStringLiteral("keeper@example.org"), QStringLiteral("archive@example.org")}));
    EXPECT_EQ(mails[0].header,
              (QStringList{QStringLiteral("From: ann@example.org"), QStringLiteral("To: keeper@example.org"),
                           QStringLiteral("Subject: regular Lumbra 2.1 highscore"),
                           QStringLiteral("Date: 11 Dec 2026 12:00:00 +0000"), QStringLiteral("MIME-Version: 1.0"),
                           QStringLiteral("Content-Type: text/plain; charset=iso-8859-1"),
                           QStringLiteral("Content-Transfer-Encoding: 8bit")}));
    EXPECT_EQ(mails[0].body, body);
}

TEST_F(SmtpClientTest, TraceShowsBothDirections)
{
    const auto relay = testing_servers::start_mail_relay(folder_.path());
    ASSERT_TRUE(relay->ready());
    use_relay(*relay);

    ASSERT_TRUE(client_.send(mail({QStringLiteral("a body line")})));

    EXPECT_TRUE(trace_.contains(QStringLiteral("> EHLO lumbra-test"))) << trace();
    EXPECT_TRUE(trace_.contains(QStringLiteral("> MAIL FROM:<ann@example.org>"))) << trace();
    EXPECT_TRUE(trace_.contains(QStringLiteral("> RCPT TO:<archive@example.org>"))) << trace();
    EXPECT_TRUE(trace_.contains(QStringLiteral("> a body line"))) << trace();
    EXPECT_TRUE(trace_.contains(QStringLiteral("< 250 2.0.0 Ok: queued as 1"))) << trace();
    EXPECT_TRUE(trace_.contains(QStringLiteral("> QUIT"))) << trace();
}

TEST_F(SmtpClientTest, NoBodyLineCanEndTheMailEarly)
{
    const auto relay = testing_servers::start_mail_relay(folder_.path());
    ASSERT_TRUE(relay->ready());
    use_relay(*relay);
    const QStringList body = {QStringLiteral("."), QStringLiteral(".hidden"), QStringLiteral("Ann\r\n.\r\nQUIT"),
                              QStringLiteral("after")};

    ASSERT_TRUE(client_.send(mail(body))) << trace();

    const auto mails = received_mails(folder_.path());
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0].body, (QStringList{QStringLiteral("."), QStringLiteral(".hidden"),
                                          QStringLiteral("Ann  .  QUIT"), QStringLiteral("after")}));
}

TEST_F(SmtpClientTest, NamesBeyondLatin1GoAsUtf8)
{
    const auto relay = testing_servers::start_mail_relay(folder_.path());
    ASSERT_TRUE(relay->ready());
    use_relay(*relay);

    ASSERT_TRUE(client_.send(mail({QStringLiteral("150 points  by Łukasz from Polska")})));

    const auto mails = received_mails(folder_.path());
    ASSERT_EQ(mails.size(), 1);
    EXPECT_TRUE(mails[0].header.contains(QStringLiteral("Content-Type: text/plain; charset=utf-8")));
    EXPECT_TRUE(mails[0].raw.endsWith(QStringLiteral("150 points  by Łukasz from Polska\r\n").toUtf8()));
}

TEST_F(SmtpClientTest, RefusedRecipientIsNoSuccess)
{
    const auto relay = testing_servers::start_mail_relay(folder_.path(), {QStringLiteral("archive@example.org")});
    ASSERT_TRUE(relay->ready());
    use_relay(*relay);

    EXPECT_FALSE(client_.send(mail({QStringLiteral("a body line")})));

    EXPECT_TRUE(received_mails(folder_.path()).isEmpty());
    EXPECT_TRUE(std::any_of(trace_.cbegin(), trace_.cend(),
                            [](const QString& line) { return line.startsWith(QStringLiteral("< 550")); }))
        << trace();
}

// The words of the body are never taken for the relay's answer.
TEST_F(SmtpClientTest, MailRefusedAfterItsDataIsNoSuccess)
{
    const auto relay = testing_servers::start_mail_relay(folder_.path(), {QStringLiteral("data@example.org")});
    ASSERT_TRUE(relay->ready());
    use_relay(*relay);

    EXPECT_FALSE(client_.send(mail({QStringLiteral("150 points  by Data from OK")}, QStringLiteral("data@example.org"))));

    EXPECT_TRUE(trace_.contains(QStringLiteral("> 150 points  by Data from OK"))) << trace();
    EXPECT_TRUE(trace_.contains(QStringLiteral("< 554 5.7.1 Message rejected"))) << trace();
}

TEST_F(SmtpClientTest, SilentRelayTimesOutWhileEventsGoOn)
{
    const auto relay = testing_servers::start_silent_server();
    ASSERT_TRUE(relay->ready());
    use_relay(*relay, std::chrono::seconds(1));
    const testing_app::EventWatch watch;

    EXPECT_FALSE(client_.send(mail({QStringLiteral("a body line")})));

    EXPECT_LT(watch.elapsed_ms(), 5000);
    EXPECT_GE(watch.ticks(), 5);
}

TEST_F(SmtpClientTest, NoRelayListeningIsNoSuccess)
{
    SmtpSettings settings;
    settings.relay_host = QStringLiteral("127.0.0.1");
    settings.relay_port = testing_servers::free_port();
    client_.set_settings(settings);

    EXPECT_FALSE(client_.send(mail({QStringLiteral("a body line")})));
    EXPECT_FALSE(trace_.isEmpty());
}

TEST_F(SmtpClientTest, SecondAttemptAfterAFailureGoesThrough)
{
    const auto refusing = testing_servers::start_mail_relay(folder_.path(), {QStringLiteral("archive@example.org")});
    const auto accepting = testing_servers::start_mail_relay(folder_.path());
    ASSERT_TRUE(refusing->ready() && accepting->ready());
    use_relay(*refusing);
    ASSERT_FALSE(client_.send(mail({QStringLiteral("first try")})));

    use_relay(*accepting);
    EXPECT_TRUE(client_.send(mail({QStringLiteral("second try")}))) << trace();
    ASSERT_EQ(received_mails(folder_.path()).size(), 1);
    EXPECT_EQ(received_mails(folder_.path())[0].body, QStringList{QStringLiteral("second try")});
}

}  // namespace
}  // namespace lumbra
