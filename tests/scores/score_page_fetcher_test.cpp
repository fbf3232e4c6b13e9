#include "score_page_fetcher.h"

#include "event_watch.h"
#include "local_server.h"
#include "qstring_printing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumbra {
namespace {

using testing_servers::LocalServer;

class ScorePageFetcherTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(site_.isValid() && stored_.isValid());
        fetcher_.set_folder(stored_.path());
        QObject::connect(&fetcher_, &ScorePageFetcher::log, [this](const QString& line) { log_.append(line); });
    }

    void put_on_site(const QString& name, const QByteArray& content) { write(site_.filePath(name), content); }
    void put_stored(const QString& name, const QByteArray& content) { write(stored_.filePath(name), content); }
    QByteArray stored(const QString& name) const
    {
        QFile file(stored_.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    static void write(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir site_;
    QTemporaryDir stored_;
    ScorePageFetcher fetcher_;
    QStringList log_;
};

TEST_F(ScorePageFetcherTest, FetchesStoresAndLogsThePage)
{
    const QByteArray page = "<HTML>\r\n<!-- first row -->\r\nJ\xc3\xbcrgen\r\n";
    put_on_site(QStringLiteral("regular.htm"), page);
    const auto server = testing_servers::start_web_server(site_.path());
    ASSERT_TRUE(server->ready()) << server->output().toStdString();

    const PageFetchResult result = fetcher_.fetch(QUrl(server->url(QStringLiteral("regular.htm?mode=1"))));

    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(result.page_text, QString::fromUtf8(page));
    EXPECT_EQ(stored(QStringLiteral("regular.htm")), page);
    ASSERT_GE(log_.size(), 3);
    EXPECT_EQ(log_[0], QStringLiteral("RequestDone Error = 0"));
    EXPECT_EQ(log_[1], QStringLiteral("StatusCode = 200"));
    EXPECT_TRUE(log_.contains(QStringLiteral("hdr>Content-Length: %1").arg(page.size()))) << log_.join(u'\n').toStdString();
}

TEST_F(ScorePageFetcherTest, EmptyPageReplacesTheEarlierCopyAndLoadsNothing)
{
    put_on_site(QStringLiteral("regular.htm"), QByteArray());
    put_stored(QStringLiteral("regular.htm"), "an earlier fetch");
    const auto server = testing_servers::start_web_server(site_.path());
    ASSERT_TRUE(server->ready());

    const PageFetchResult result = fetcher_.fetch(QUrl(server->url(QStringLiteral("regular.htm"))));

    EXPECT_TRUE(result.succeeded);
    EXPECT_TRUE(result.page_text.isEmpty());
    EXPECT_EQ(stored(QStringLiteral("regular.htm")), QByteArray());
}

TEST_F(ScorePageFetcherTest, MissingPageFailsWithItsStatus)
{
    put_stored(QStringLiteral("regular.htm"), "an earlier fetch");
    const auto server = testing_servers::start_web_server(site_.path());
    ASSERT_TRUE(server->ready());

    const PageFetchResult result = fetcher_.fetch(QUrl(server->url(QStringLiteral("regular.htm"))));

    EXPECT_FALSE(result.succeeded);
    EXPECT_TRUE(result.page_text.isEmpty());
    EXPECT_EQ(stored(QStringLiteral("regular.htm")), QByteArray("an earlier fetch"));
    ASSERT_EQ(log_.size(), 4);
    EXPECT_TRUE(log_[0].startsWith(QStringLiteral("RequestDone Error = ")));
    EXPECT_NE(log_[0], QStringLiteral("RequestDone Error = 0"));
    EXPECT_EQ(log_[1], QStringLiteral("GET Failed !"));
    EXPECT_EQ(log_[2], QStringLiteral("StatusCode   = 404"));
    EXPECT_EQ(log_[3], QStringLiteral("ReasonPhrase = File not found"));
}

TEST_F(ScorePageFetcherTest, RefusedConnectionFails)
{
    const quint16 nobody = testing_servers::free_port();

    const PageFetchResult result =
        fetcher_.fetch(QUrl(QStringLiteral("http://127.0.0.1:%1/regular.htm").arg(nobody)));

    EXPECT_FALSE(result.succeeded);
    ASSERT_EQ(log_.size(), 4);
    EXPECT_EQ(log_[1], QStringLiteral("GET Failed !"));
    EXPECT_EQ(log_[2], QStringLiteral("StatusCode   = 0"));
    EXPECT_TRUE(log_[3].contains(QStringLiteral("refused"))) << log_[3].toStdString();
}

TEST_F(ScorePageFetcherTest, SilentServerTimesOutWhileEventsGoOn)
{
    const auto server = testing_servers::start_silent_server();
    ASSERT_TRUE(server->ready());
    fetcher_.set_time_limit(std::chrono::milliseconds(800));
    const testing_app::EventWatch watch;

    const PageFetchResult result = fetcher_.fetch(QUrl(server->url(QStringLiteral("regular.htm"))));

    EXPECT_FALSE(result.succeeded);
    EXPECT_LT(watch.elapsed_ms(), 5000);
    EXPECT_GE(watch.ticks(), 5);  // the game's timers keep running during a fetch
    ASSERT_EQ(log_.size(), 4);
    EXPECT_EQ(log_[1], QStringLiteral("GET Failed !"));
    EXPECT_EQ(log_[3], QStringLiteral("ReasonPhrase = The server did not answer in time"));
}

TEST(DocumentName, IsTheLastSegmentOfThePath)
{
    EXPECT_EQ(ScorePageFetcher::document_name(QUrl(QStringLiteral("http://h.example.org/a/regular.htm?x=1"))),
              QStringLiteral("regular.htm"));
    EXPECT_EQ(ScorePageFetcher::document_name(QUrl(QStringLiteral("http://h.example.org/"))),
              QStringLiteral("document.htm"));
    EXPECT_EQ(ScorePageFetcher::document_name(QUrl(QStringLiteral("http://h.example.org"))),
              QStringLiteral("document.htm"));
}

TEST(FetchFailureLines, TellThePlayerWhatToDo)
{
    EXPECT_EQ(fetch_failure_lines().size(), 4);
    EXPECT_EQ(fetch_failure_lines().last(), QStringLiteral("Lumbra after getting online."));
}

}  // namespace
}  // namespace lumbra
