#pragma once

#include "mail_message.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <map>

class QEventLoop;
class QSocketNotifier;

namespace lumbra {

// The relay a mail goes through and how long each of its replies may take.
struct SmtpSettings {
    QString relay_host;
    int relay_port = 25;
    QString helo_name;
    std::chrono::seconds reply_limit{15};

    // The relay and name the program is built with.
    static SmtpSettings built_in();
};

// Sends a mail through an SMTP relay with libcurl. The exchange runs on
// curl's multi interface, fed by socket notifiers and a timer of the Qt event
// loop, so windows stay responsive while the relay is waited on. (The one
// exception is libcurl's own: it waits for the reply to the end of the mail
// data, and to QUIT, without returning to the loop; reply_limit bounds that
// wait too.) Every line of the exchange is reported: what is sent prefixed
// "> ", what is received "< ", curl's own notices as they are.
class SmtpClient : public QObject {
    Q_OBJECT

public:
    explicit SmtpClient(QObject* parent = nullptr);
    ~SmtpClient() override;

    void set_settings(const SmtpSettings& settings) { settings_ = settings; }

    // Greets the relay, hands over the mail and says goodbye. True exactly
    // when the relay accepted the mail: its 250 reply to the end of the mail
    // data. False without sending when a mail is on its way already.
    bool send(const MailMessage& message, const QDateTime& date = QDateTime::currentDateTime());

signals:
    void trace(const QString& line);

private:
    friend struct CurlCallbacks;

    struct Watch {
        QSocketNotifier* read = nullptr;
        QSocketNotifier* write = nullptr;
    };

    void watch(int socket, int what);
    static void release(const Watch& watched);
    void act(int socket, int events);
    void collect_finished();
    void report(int kind, const QByteArray& data);
    void flush_reports();

    SmtpSettings settings_ = SmtpSettings::built_in();
    bool sending_ = false;
    void* multi_ = nullptr;
    QEventLoop* loop_ = nullptr;
    QTimer curl_timer_;
    std::map<int, Watch> watches_;
    QByteArray upload_;
    qsizetype uploaded_ = 0;
    bool finished_ = false;
    int result_ = 0;
    std::map<int, QByteArray> unfinished_lines_;  // by kind of trace
};

}  // namespace lumbra
