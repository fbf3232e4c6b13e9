#include "smtp_client.h"

#include "received_text.h"
#include "lumbra_config.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace lumbra {
namespace {

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using StringList = std::unique_ptr<curl_slist, ListDeleter>;

void init_curl_once()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialised);
}

QByteArray angle_address(const QString& address)
{
    return '<' + address.toUtf8() + '>';
}

}  // namespace

// libcurl calls back into the client through these.
struct CurlCallbacks {
    static int socket(CURL*, curl_socket_t socket, int what, void* client, void*)
    {
        static_cast<SmtpClient*>(client)->watch(socket, what);
        return 0;
    }

    static int timer(CURLM*, long timeout_ms, void* client)
    {
        QTimer& timer = static_cast<SmtpClient*>(client)->curl_timer_;
        if (timeout_ms < 0)
            timer.stop();
        else
            timer.start(int(std::min<long>(timeout_ms, 24L * 3600 * 1000)));
        return 0;
    }

    static int debug(CURL*, curl_infotype type, char* data, size_t size, void* client)
    {
        static_cast<SmtpClient*>(client)->report(type, QByteArray(data, qsizetype(size)));
        return 0;
    }

    static size_t read(char* buffer, size_t size, size_t count, void* client)
    {
        auto* self = static_cast<SmtpClient*>(client);
        const qsizetype chunk = std::min<qsizetype>(qsizetype(size * count), self->upload_.size() - self->uploaded_);
        std::memcpy(buffer, self->upload_.constData() + self->uploaded_, size_t(chunk));
        self->uploaded_ += chunk;
        return size_t(chunk);
    }
};

SmtpSettings SmtpSettings::built_in()
{
    SmtpSettings settings;
    settings.relay_host = QString::fromUtf8(config::smtp_relay_host);
    settings.relay_port = config::smtp_relay_port;
    settings.helo_name = QString::fromUtf8(config::helo_name);
    return settings;
}

SmtpClient::SmtpClient(QObject* parent) : QObject(parent)
{
    init_curl_once();
    curl_timer_.setSingleShot(true);
    connect(&curl_timer_, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
}

SmtpClient::~SmtpClient() = default;

bool SmtpClient::send(const MailMessage& message, const QDateTime& date)
{
    if (sending_)
        return false;
    sending_ = true;
    upload_ = mail_text(message, date);
    uploaded_ = 0;
    finished_ = false;
    result_ = CURLE_OK;

    // The path of an smtp address is the name the client greets the relay with.
    const QByteArray url = "smtp://" + QUrl::toPercentEncoding(settings_.relay_host) + ':' +
                           QByteArray::number(settings_.relay_port) + '/' +
                           QUrl::toPercentEncoding(settings_.helo_name);
    StringList recipients;
    for (const QString& recipient : message.recipients)
        recipients.reset(curl_slist_append(recipients.release(), angle_address(recipient).constData()));
    const QByteArray sender = angle_address(message.sender);
    const long reply_seconds = long(settings_.reply_limit.count());

    EasyHandle easy(curl_easy_init());
    curl_easy_setopt(easy.get(), CURLOPT_URL, url.constData());
    curl_easy_setopt(easy.get(), CURLOPT_PROXY, "");  // always straight to the relay
    curl_easy_setopt(easy.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_MAIL_FROM, sender.constData());
    curl_easy_setopt(easy.get(), CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(easy.get(), CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_INFILESIZE_LARGE, curl_off_t(upload_.size()));
    curl_easy_setopt(easy.get(), CURLOPT_READFUNCTION, &CurlCallbacks::read);
    curl_easy_setopt(easy.get(), CURLOPT_READDATA, this);
    curl_easy_setopt(easy.get(), CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_DEBUGFUNCTION, &CurlCallbacks::debug);
    curl_easy_setopt(easy.get(), CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(easy.get(), CURLOPT_CONNECTTIMEOUT, reply_seconds);
    curl_easy_setopt(easy.get(), CURLOPT_SERVER_RESPONSE_TIMEOUT, reply_seconds);
    // One connection per mail, so the goodbye (QUIT) belongs to this exchange.
    curl_easy_setopt(easy.get(), CURLOPT_FORBID_REUSE, 1L);

    CURLM* multi = curl_multi_init();
    multi_ = multi;
    curl_multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &CurlCallbacks::socket);
    curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &CurlCallbacks::timer);
    curl_multi_setopt(multi, CURLMOPT_TIMERDATA, this);
    curl_multi_add_handle(multi, easy.get());  // asks for the timer, which starts the exchange

    QEventLoop loop;
    loop_ = &loop;
    if (!finished_)
        loop.exec();
    loop_ = nullptr;

    curl_timer_.stop();
    curl_multi_remove_handle(multi, easy.get());
    for (const auto& [socket, watched] : watches_)
        release(watched);
    watches_.clear();
    curl_multi_cleanup(multi);
    multi_ = nullptr;
    flush_reports();
    if (!finished_)
        emit trace(QStringLiteral("Sending was broken off"));
    else if (result_ != CURLE_OK)
        emit trace(QString::fromUtf8(curl_easy_strerror(CURLcode(result_))));
    sending_ = false;
    return finished_ && result_ == CURLE_OK;
}

void SmtpClient::watch(int socket, int what)
{
    Watch& watched = watches_[socket];
    const auto set = [&](QSocketNotifier*& notifier, QSocketNotifier::Type type, bool wanted, int events) {
        if (wanted && notifier == nullptr) {
            notifier = new QSocketNotifier(socket, type, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, socket, events] { act(socket, events); });
        }
        if (notifier != nullptr)
            notifier->setEnabled(wanted);
    };
    const bool gone = what == CURL_POLL_REMOVE;
    set(watched.read, QSocketNotifier::Read, !gone && (what & CURL_POLL_IN), CURL_CSELECT_IN);
    set(watched.write, QSocketNotifier::Write, !gone && (what & CURL_POLL_OUT), CURL_CSELECT_OUT);
    if (gone) {
        release(watched);
        watches_.erase(socket);
    }
}

void SmtpClient::release(const Watch& watched)
{
    // Possibly called from the notifier's own signal: disabled now, deleted later.
    for (QSocketNotifier* notifier : {watched.read, watched.write}) {
        if (notifier != nullptr) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
}

void SmtpClient::act(int socket, int events)
{
    if (multi_ == nullptr)
        return;
    int running = 0;
    curl_multi_socket_action(multi_, curl_socket_t(socket), events, &running);
    collect_finished();
}

void SmtpClient::collect_finished()
{
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        finished_ = true;
        result_ = message->data.result;
        if (loop_ != nullptr)
            loop_->quit();
    }
}

void SmtpClient::report(int kind, const QByteArray& data)
{
    if (kind != CURLINFO_TEXT && kind != CURLINFO_HEADER_IN && kind != CURLINFO_HEADER_OUT &&
        kind != CURLINFO_DATA_OUT)
        return;
    QByteArray& unfinished = unfinished_lines_[kind];
    unfinished += data;
    const QString prefix = kind == CURLINFO_HEADER_IN ? QStringLiteral("< ")
                           : kind == CURLINFO_TEXT    ? QString()
                                                      : QStringLiteral("> ");
    qsizetype end = 0;
    while ((end = unfinished.indexOf('\n')) >= 0) {
        QByteArray line = unfinished.left(end);
        unfinished.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        emit trace(prefix + decoded_text(line));
    }
}

void SmtpClient::flush_reports()
{
    for (auto& [kind, unfinished] : unfinished_lines_) {
        if (!unfinished.isEmpty())
            report(kind, QByteArray("\n"));
    }
    unfinished_lines_.clear();
}

}  // namespace lumbra
