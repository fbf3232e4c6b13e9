#include "highscores.h"

#include "local_server.h"
#include "mail_folder.h"
#include "modal_player.h"
#include "name_enter.h"
#include "posted_record.h"
#include "qstring_printing.h"
#include "score_page_fixture.h"
#include "settings_sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumbra {
namespace {

using testing_pages::falling_rows;
using testing_pages::page_with_rows;
using testing_pages::row;
using testing_servers::LocalServer;
using testing_servers::received_mails;

// What a message box told the player.
struct Told {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
};

// What the address-and-country dialog looked like when it came up.
struct Asked {
    QString caption;
    QStringList labels;
    QSize size;  // the client area; the window with its frame is 29 pixels taller
    bool edit1_hidden = false;
    QString edit1;
    QString offered_address;
};

class HighscoresInternet : public SettingsSandbox {
protected:
    HighscoresInternet()
    {
        dialog.use_name_dialog(&name_dialog);
        name_dialog.edit1()->setText(QStringLiteral("Ann"));
        settings.page_folder = stored.path();
        settings.version_text = QStringLiteral("2.51");
        settings.color_depth = [] { return 24; };
        settings.addresses = {QStringLiteral("keeper@example.org"), QStringLiteral("archive@example.org")};
        settings.relay.relay_host = QStringLiteral("127.0.0.1");
        settings.relay.helo_name = QStringLiteral("lumbra-test");
        dialog.set_internet_settings(settings);
    }

    // The web host serves these rows as both modes' pages.
    void serve_rows(const QList<score>& rows) { serve_page(page_with_rows(rows).join(QStringLiteral("\r\n")).toUtf8()); }

    void serve_page(const QByteArray& page)
    {
        for (const char* name : {"regular.htm", "difficult.htm"}) {
            QFile file(site.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(page);
        }
        start_web_host();
    }

    void start_web_host()
    {
        web_host = testing_servers::start_web_server(site.path());
        ASSERT_TRUE(web_host->ready()) << web_host->output().toStdString();
        use_pages(*web_host);
    }

    void use_pages(const LocalServer& host)
    {
        settings.regular_page = QUrl(host.url(QStringLiteral("regular.htm")));
        settings.difficult_page = QUrl(host.url(QStringLiteral("difficult.htm")));
        dialog.set_internet_settings(settings);
    }

    void use_relay(const LocalServer& relay, std::chrono::seconds reply_limit = std::chrono::seconds(15))
    {
        settings.relay.relay_port = relay.port();
        settings.relay.reply_limit = reply_limit;
        dialog.set_internet_settings(settings);
    }

    void reach_hall_of_fame(const QList<score>& entries)
    {
        for (int index = 0; index < int(entries.size()); ++index)
            dialog.hall_of_fame().insert(index, entries[index].points, entries[index].name);
    }

    // Shows the dialog for a mode, runs the player's clicks while it shows and
    // closes it with OK.
    void while_shown(bool regular_mode, const std::function<void()>& clicks)
    {
        // Runs from the dialog's own event loop, once it shows.
        QTimer::singleShot(0, &dialog, [&] {
            clicks();
            ok_button()->click();
        });
        EXPECT_EQ(dialog.show_for_mode(regular_mode), 1);
    }

    // The player types an address and a country and clicks "OK".
    void will_type(const QString& address, const QString& country)
    {
        answers.expect<Tname_enter>([this, address, country](Tname_enter& shown) {
            Asked seen;
            seen.caption = shown.windowTitle();
            for (QLabel* label : {shown.label1(), shown.label2(), shown.label3(), shown.label4()})
                seen.labels.append(label->text());
            seen.size = shown.size();
            seen.edit1_hidden = shown.edit1()->isHidden();
            seen.edit1 = shown.edit1()->text();
            seen.offered_address = shown.edit2()->text();
            asked.append(seen);
            shown.edit2()->setText(address);
            shown.edit3()->setText(country);
            shown.findChild<QPushButton*>(QStringLiteral("okbtn"))->click();
        });
    }

    // The player reads a message box and clicks "OK".
    void will_read_message()
    {
        answers.expect<QMessageBox>([this](QMessageBox& box) {
            told.append({box.icon(), box.windowTitle(), box.text()});
            box.button(QMessageBox::Ok)->click();
        });
    }

    QPushButton* post_button() const { return dialog.findChild<QPushButton*>(QStringLiteral("post_button")); }
    QPushButton* ok_button() const { return dialog.findChild<QPushButton*>(QStringLiteral("okbtn")); }
    QStringList display() const
    {
        return dialog.findChild<QPlainTextEdit*>(QStringLiteral("Display"))->toPlainText().split(u'\n');
    }

    static QByteArray posted_file()
    {
        QFile file(posted_record_path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

    // The page of falling_rows() on the web host, the entries in the hall of
    // fame and a relay that refuses the given addresses, ready for a post.
    void ready_to_post(const QList<score>& entries, const QStringList& refused = {})
    {
        serve_rows(falling_rows());
        reach_hall_of_fame(entries);
        relay = testing_servers::start_mail_relay(mail_folder.path(), refused);
        ASSERT_TRUE(relay->ready()) << relay->output().toStdString();
        use_relay(*relay);
    }

    // The post ended in the failure message, and nothing was recorded.
    void expect_post_failed() const
    {
        ASSERT_EQ(told.size(), 1);
        EXPECT_EQ(told[0].icon, QMessageBox::Critical);
        EXPECT_EQ(told[0].caption, QStringLiteral("Error while posting highscores"));
        EXPECT_EQ(told[0].text, QStringLiteral("Please check your internet connection"));
        EXPECT_TRUE(post_enabled_after_post);
        EXPECT_EQ(posted_file(), QByteArray("(none)"));
    }

    // Fetches the page, then posts with the given answers.
    void fetch_and_post()
    {
        while_shown(true, [&] {
            post_button()->click();
            post_button()->click();
            post_enabled_after_post = post_button()->isEnabled();
        });
    }

    QWidget main_window;
    Tname_enter name_dialog{&main_window};
    THighscores dialog{&main_window};
    InternetSettings settings = InternetSettings::built_in();
    QTemporaryDir site;
    QTemporaryDir stored;
    QTemporaryDir mail_folder;
    std::unique_ptr<LocalServer> web_host;
    std::unique_ptr<LocalServer> relay;
    ModalPlayer answers{ModalPlayer::Others::wait};
    QList<Asked> asked;
    QList<Told> told;
    bool post_enabled_after_post = true;
};

// --- the fetch ---------------------------------------------------------------

TEST_F(HighscoresInternet, FetchShowsThePageTableAndOffersThePost)
{
    serve_rows(falling_rows());
    reach_hall_of_fame({row(190, QStringLiteral("Ann"))});

    while_shown(true, [&] { post_button()->click(); });

    ASSERT_EQ(display().size(), 9);
    EXPECT_EQ(display()[0], table_line(row(200, QStringLiteral("Web 1"))));
    EXPECT_EQ(display()[8], table_line(row(40, QStringLiteral("Web 9"))));
    EXPECT_EQ(post_button()->text(), QStringLiteral("Post My Highscores To The Homepage!"));
    EXPECT_TRUE(post_button()->isEnabled());
    EXPECT_EQ(dialog.page_lines().size(), 2 + 3 * 9 + 1);
    EXPECT_TRUE(QFile::exists(QDir(stored.path()).filePath(QStringLiteral("regular.htm"))));
    EXPECT_EQ(dialog.protocol_log().value(1), QStringLiteral("StatusCode = 200"));
    EXPECT_TRUE(answers.all_answered());
}

TEST_F(HighscoresInternet, DifficultModeFetchesItsOwnPage)
{
    QFile file(site.filePath(QStringLiteral("difficult.htm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(page_with_rows(falling_rows()).join(u'\n').toUtf8());
    file.close();
    start_web_host();

    while_shown(false, [&] { post_button()->click(); });

    EXPECT_EQ(display().size(), 9);
}

TEST_F(HighscoresInternet, NoQualifyingEntryLeavesThePostDisabled)
{
    serve_rows(falling_rows());

    while_shown(true, [&] { post_button()->click(); });

    EXPECT_EQ(post_button()->text(), QStringLiteral("Post My Highscores To The Homepage!"));
    EXPECT_FALSE(post_button()->isEnabled());
}

TEST_F(HighscoresInternet, HeldPageShowsAgainWithoutANewRequest)
{
    serve_rows(falling_rows());
    while_shown(true, [&] { post_button()->click(); });
    web_host.reset();

    while_shown(true, [] {});

    EXPECT_EQ(display().size(), 9);
    EXPECT_EQ(display()[0], table_line(row(200, QStringLiteral("Web 1"))));
}

TEST_F(HighscoresInternet, ModeChangeDropsTheHeldPage)
{
    serve_rows(falling_rows());
    while_shown(true, [&] { post_button()->click(); });

    dialog.game_mode_changed();
    while_shown(false, [] {});

    EXPECT_TRUE(dialog.page_lines().isEmpty());
    EXPECT_EQ(post_button()->text(), QStringLiteral("Display The Website Highscores!"));
    EXPECT_EQ(display(), QStringList{QString()});
}

TEST_F(HighscoresInternet, DroppingThePageKeepsBothHallsOfFameInPlace)
{
    serve_rows(falling_rows());
    while_shown(true, [&] { post_button()->click(); });
    const QStringList halls = dialog.hall_of_fame().lines();

    dialog.drop_internet_page();

    EXPECT_TRUE(dialog.page_lines().isEmpty());
    EXPECT_EQ(display(), QStringList{QString()});
    EXPECT_EQ(dialog.hall_of_fame().lines(), halls);
}

const QStringList fetch_failed = {QStringLiteral("Highscore retrieval failed, please check your"),
                                  QStringLiteral("connection to the Internet and try again."),
                                  QStringLiteral("If that does not help, You might have to restart"),
                                  QStringLiteral("Lumbra after getting online.")};

TEST_F(HighscoresInternet, MissingPageShowsTheFailureAndOffersTheFetchAgain)
{
    start_web_host();  // serving an empty folder

    while_shown(true, [&] { post_button()->click(); });

    EXPECT_EQ(display(), fetch_failed);
    EXPECT_EQ(post_button()->text(), QStringLiteral("Display The Website Highscores!"));
    EXPECT_TRUE(post_button()->isEnabled());
    EXPECT_TRUE(dialog.page_lines().isEmpty());
    EXPECT_TRUE(dialog.protocol_log().contains(QStringLiteral("StatusCode   = 404")));
}

TEST_F(HighscoresInternet, SecondClickAfterAFailureTriesAgain)
{
    start_web_host();
    while_shown(true, [&] {
        post_button()->click();
        serve_page(page_with_rows(falling_rows()).join(u'\n').toUtf8());
        post_button()->click();
    });

    EXPECT_EQ(display().size(), 9);
}

TEST_F(HighscoresInternet, SilentHostTimesOut)
{
    const auto silent = testing_servers::start_silent_server();
    ASSERT_TRUE(silent->ready());
    use_pages(*silent);
    settings.page_time_limit = std::chrono::milliseconds(800);
    dialog.set_internet_settings(settings);

    while_shown(true, [&] { post_button()->click(); });

    EXPECT_EQ(display(), fetch_failed);
    EXPECT_TRUE(post_button()->isEnabled());
}

TEST_F(HighscoresInternet, UnreadablePageIsDroppedWithOneSentence)
{
    QList<score> rows = falling_rows();
    rows.removeLast();
    serve_rows(rows);

    while_shown(true, [&] { post_button()->click(); });

    EXPECT_EQ(display(), QStringList{QStringLiteral("The high-score page could not be read.")});
    EXPECT_TRUE(dialog.page_lines().isEmpty());
    EXPECT_EQ(post_button()->text(), QStringLiteral("Display The Website Highscores!"));
    EXPECT_TRUE(post_button()->isEnabled());
}

TEST_F(HighscoresInternet, EmptyPageLeavesTheListEmptyAndTheFetchOnOffer)
{
    serve_page(QByteArray());

    while_shown(true, [&] { post_button()->click(); });

    EXPECT_EQ(display(), QStringList{QString()});
    EXPECT_TRUE(dialog.page_lines().isEmpty());
    EXPECT_EQ(post_button()->text(), QStringLiteral("Display The Website Highscores!"));
}

// --- the post ----------------------------------------------------------------

TEST_F(HighscoresInternet, PostSendsTheMailAsComposedAndRecordsTheEntries)
{
    ready_to_post({row(300, QStringLiteral("Ann")), row(190, QStringLiteral("Bo Lee"))});
    will_type(QStringLiteral("ann@example.org"), QStringLiteral("Peru"));
    will_read_message();

    fetch_and_post();

    const auto mails = received_mails(mail_folder.path());
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0].sender, QStringLiteral("ann@example.org"));
    EXPECT_EQ(mails[0].recipients, (QStringList{QStringLiteral("keeper@example.org"), QStringLiteral("archive@example.org")}));
    EXPECT_EQ(header_field(mails[0], QStringLiteral("From")), QStringLiteral("ann@example.org"));
    EXPECT_EQ(header_field(mails[0], QStringLiteral("To")), QStringLiteral("keeper@example.org"));
    EXPECT_EQ(header_field(mails[0], QStringLiteral("Subject")), QStringLiteral("regular Lumbra 2.1 highscore"));
    EXPECT_EQ(mails[0].body, (QStringList{QStringLiteral("regular mode highscore"), QStringLiteral("Version: 2.51"),
                                          QStringLiteral("Color Depth: 24"),
                                          QStringLiteral("__________________________________"),
                                          QStringLiteral("ann@example.org"), QStringLiteral("300 points  by Ann from Peru"),
                                          QStringLiteral("190 points  by Bo Lee from Peru")}));
    EXPECT_EQ(posted_file(), QByteArray("300 Ann\r\n190 Bo Lee\r\n"));
    EXPECT_FALSE(post_enabled_after_post);
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(told[0].caption, QStringLiteral("Your score has been successfully posted"));
    EXPECT_EQ(told[0].text, QStringLiteral("The score should be on the website within a few days"));
    EXPECT_TRUE(answers.all_answered());
}

TEST_F(HighscoresInternet, AddressAndCountryAreAskedWithTheNameDialog)
{
    ready_to_post({row(300, QStringLiteral("Ann"))});
    will_type(QStringLiteral("ann@example.org"), QStringLiteral("Peru"));
    will_read_message();

    fetch_and_post();

    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].caption, QStringLiteral("Posting Your Highscores To The Internet"));
    EXPECT_EQ(asked[0].labels, (QStringList{QStringLiteral("Lumbra needs some additional information to post"),
                                            QStringLiteral("your highscores"), QStringLiteral("What's your e-mail adress?"),
                                            QStringLiteral("Where are you from (Country)?")}));
    EXPECT_EQ(asked[0].size, QSize(369, 270 - 29));
    EXPECT_TRUE(asked[0].edit1_hidden);
    EXPECT_EQ(asked[0].edit1, QStringLiteral("d"));
    // The name typed for the hall of fame is back for its next use.
    EXPECT_FALSE(name_dialog.edit1()->isHidden());
    EXPECT_EQ(name_dialog.edit1()->text(), QStringLiteral("Ann"));
}

TEST_F(HighscoresInternet, DifficultModeHasItsOwnSubjectAndFirstLine)
{
    ready_to_post({row(300, QStringLiteral("Ann"))});
    will_type(QStringLiteral("ann@example.org"), QStringLiteral("Peru"));
    will_read_message();

    while_shown(false, [&] {
        post_button()->click();
        post_button()->click();
    });

    const auto mails = received_mails(mail_folder.path());
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(header_field(mails[0], QStringLiteral("Subject")), QStringLiteral("diffcult Lumbra 2.1 highscore"));
    EXPECT_EQ(mails[0].body.value(0), QStringLiteral("difficult mode highscore"));
}

TEST_F(HighscoresInternet, PostedEntriesAreNeverOfferedAgain)
{
    ready_to_post({row(300, QStringLiteral("Ann"))});
    will_type(QStringLiteral("ann@example.org"), QStringLiteral("Peru"));
    will_read_message();
    fetch_and_post();

    while_shown(true, [] {});

    EXPECT_FALSE(post_button()->isEnabled());
    EXPECT_TRUE(dialog.posted().contains(QStringLiteral("300 Ann")));
}

TEST_F(HighscoresInternet, RefusedRecipientLeavesThePostOnOffer)
{
    ready_to_post({row(300, QStringLiteral("Ann"))}, {QStringLiteral("archive@example.org")});
    will_type(QStringLiteral("ann@example.org"), QStringLiteral("Peru"));
    will_read_message();

    fetch_and_post();

    expect_post_failed();
    EXPECT_TRUE(received_mails(mail_folder.path()).isEmpty());
}

TEST_F(HighscoresInternet, SilentRelayEndsInTheFailureMessage)
{
    serve_rows(falling_rows());
    reach_hall_of_fame({row(300, QStringLiteral("Ann"))});
    relay = testing_servers::start_silent_server();
    ASSERT_TRUE(relay->ready());
    use_relay(*relay, std::chrono::seconds(1));
    will_type(QStringLiteral("ann@example.org"), QStringLiteral("Peru"));
    will_read_message();

    fetch_and_post();

    expect_post_failed();
}

TEST_F(HighscoresInternet, RecordThatCannotBeWrittenEndsInTheFailureMessage)
{
    ready_to_post({row(300, QStringLiteral("Ann"))});
    const QString data_folder = QFileInfo(posted_record_path()).path();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(data_folder).path()));
    QFile blocker(data_folder);  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    will_type(QStringLiteral("ann@example.org"), QStringLiteral("Peru"));
    will_read_message();

    fetch_and_post();

    expect_post_failed();
    EXPECT_EQ(received_mails(mail_folder.path()).size(), 1);
}

// A player called "Data" from "OK": the body's words are not the relay's answer.
TEST_F(HighscoresInternet, SecondAttemptInTheSameShowingAfterARefusal)
{
    ready_to_post({row(300, QStringLiteral("Data"))}, {QStringLiteral("data@example.org")});
    will_type(QStringLiteral("data@example.org"), QStringLiteral("OK"));
    will_read_message();
    will_type(QStringLiteral("ann@example.org"), QStringLiteral("OK"));
    will_read_message();

    while_shown(true, [&] {
        post_button()->click();
        post_button()->click();
        EXPECT_TRUE(post_button()->isEnabled());
        post_button()->click();
    });

    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(told[0].caption, QStringLiteral("Error while posting highscores"));
    EXPECT_EQ(told[1].caption, QStringLiteral("Your score has been successfully posted"));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[1].offered_address, QStringLiteral("data@example.org"));
    const auto mails = received_mails(mail_folder.path());
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0].body.size(), 6);
    EXPECT_EQ(mails[0].body.value(5), QStringLiteral("300 points  by Data from OK"));
    EXPECT_FALSE(post_button()->isEnabled());
}

TEST_F(HighscoresInternet, AddressThatIsNoPlainAddressIsRefusedInTheDialog)
{
    ready_to_post({row(300, QStringLiteral("Ann"))});
    will_type(QStringLiteral("ann@example.org>\r\nRCPT TO:<x@example.org"), QStringLiteral("Peru"));
    will_read_message();
    will_type(QStringLiteral("ann@example.org"), QStringLiteral("Peru\r\n.\r\nQUIT"));
    will_read_message();
    will_type(QStringLiteral(" ann@example.org "), QStringLiteral("Peru"));
    will_read_message();

    fetch_and_post();

    ASSERT_EQ(told.size(), 3);
    EXPECT_EQ(told[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(told[0].text.contains(QStringLiteral("name@example.org"))) << told[0].text.toStdString();
    EXPECT_EQ(told[1].icon, QMessageBox::Warning);
    EXPECT_TRUE(told[1].text.contains(QStringLiteral("country"))) << told[1].text.toStdString();
    EXPECT_EQ(told[2].caption, QStringLiteral("Your score has been successfully posted"));
    const auto mails = received_mails(mail_folder.path());
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0].recipients.size(), 2);
    EXPECT_EQ(mails[0].body.value(4), QStringLiteral("ann@example.org"));
}

}  // namespace
}  // namespace lumbra
