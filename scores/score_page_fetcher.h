#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <chrono>

class QNetworkAccessManager;

namespace lumbra {

// What one fetch of the score page gave.
struct PageFetchResult {
    bool succeeded = false;
    // The page as this request received it; empty after a failure, never the
    // file of an earlier fetch.
    QString page_text;
};

// Fetches the internet score page over HTTP. The call waits in a local event
// loop, so windows stay responsive and the game's timers keep running, and
// gives up after a bounded time. The page is also stored under its document
// name in the per-user data folder.
class ScorePageFetcher : public QObject {
    Q_OBJECT

public:
    explicit ScorePageFetcher(QObject* parent = nullptr);

    // How long the whole request may take before it counts as failed.
    void set_time_limit(std::chrono::milliseconds limit) { time_limit_ = limit; }
    // Where fetched pages are stored; the per-user data folder unless set.
    void set_folder(const QString& folder) { folder_ = folder; }

    PageFetchResult fetch(const QUrl& url);

    // The file name a page is stored under: the last segment of the
    // address's path, "document.htm" when the path has none.
    static QString document_name(const QUrl& url);

signals:
    // One line of the request's protocol log.
    void log(const QString& line);

private:
    void store(const QString& name, const QByteArray& body);

    QNetworkAccessManager* network_;
    std::chrono::milliseconds time_limit_{std::chrono::seconds(15)};
    QString folder_;
};

// The lines the internet list shows when the page could not be fetched.
QStringList fetch_failure_lines();

}  // namespace lumbra
