#include "score_page_fetcher.h"

#include "received_text.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

namespace lumbra {

QStringList fetch_failure_lines()
{
    return {QStringLiteral("Highscore retrieval failed, please check your"),
            QStringLiteral("connection to the Internet and try again."),
            QStringLiteral("If that does not help, You might have to restart"),
            QStringLiteral("Lumbra after getting online.")};
}

ScorePageFetcher::ScorePageFetcher(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this))
{
    network_->setProxy(QNetworkProxy::NoProxy);
}

QString ScorePageFetcher::document_name(const QUrl& url)
{
    const QString name = url.fileName();
    if (name.isEmpty() || name == QLatin1StringView(".") || name == QLatin1StringView(".."))
        return QStringLiteral("document.htm");
    return name;
}

PageFetchResult ScorePageFetcher::fetch(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Cache-Control", "no-cache");

    // Each call waits on its own reply in its own loop, so a second fetch
    // started from within the first one's loop finishes on its own too.
    QNetworkReply* reply = network_->get(request);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timed_out = false;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(&deadline, &QTimer::timeout, reply, [&] {
        timed_out = true;
        reply->abort();
    });
    deadline.start(time_limit_);
    if (!reply->isFinished())
        loop.exec();
    deadline.stop();
    if (!reply->isFinished())  // the program is quitting
        reply->abort();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    emit log(QStringLiteral("RequestDone Error = %1").arg(int(reply->error())));
    PageFetchResult result;
    if (timed_out || reply->error() != QNetworkReply::NoError) {
        QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        if (timed_out)
            reason = QStringLiteral("The server did not answer in time");
        else if (reason.isEmpty())
            reason = reply->errorString();
        emit log(QStringLiteral("GET Failed !"));
        emit log(QStringLiteral("StatusCode   = %1").arg(status));
        emit log(QStringLiteral("ReasonPhrase = %1").arg(reason));
    } else {
        emit log(QStringLiteral("StatusCode = %1").arg(status));
        for (const QNetworkReply::RawHeaderPair& header : reply->rawHeaderPairs())
            emit log(QStringLiteral("hdr>") + QString::fromLatin1(header.first + ": " + header.second));
        const QByteArray body = reply->readAll();
        store(document_name(url), body);
        result.succeeded = true;
        result.page_text = decoded_text(body);
    }
    reply->deleteLater();
    return result;
}

void ScorePageFetcher::store(const QString& name, const QByteArray& body)
{
    // The stored copy is for the player to look at; the page on screen comes
    // from the reply itself, so a file that cannot be written loses nothing.
    const QString folder =
        folder_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : folder_;
    QSaveFile file(QDir(folder).filePath(name));
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(body) != body.size() ||
        !file.commit())
        emit log(QStringLiteral("Could not store the page as %1: %2").arg(file.fileName(), file.errorString()));
}

}  // namespace lumbra
