#pragma once

// Real servers on 127.0.0.1 for the tests of the fetch and the mail: Debian's
// Python with its http.server and aiosmtpd, each on a free port, stopped by
// process id when the test ends.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

namespace lumbra::testing_servers {

// A port on 127.0.0.1 that nothing listens on (at the moment of asking).
quint16 free_port();

class LocalServer {
public:
    // Starts Debian's python3 with the arguments and waits, a bounded time,
    // until the port accepts connections.
    LocalServer(const QStringList& python_arguments, quint16 port);
    ~LocalServer();
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    bool ready() const { return ready_; }
    quint16 port() const { return port_; }
    QString url(const QString& path) const;
    // What the server wrote, for a failing test's message.
    QString output();

private:
    QProcess process_;
    quint16 port_;
    bool ready_ = false;
};

// Serves the files of a folder over HTTP; a missing file gives 404.
std::unique_ptr<LocalServer> start_web_server(const QString& folder);
// Accepts connections and never answers.
std::unique_ptr<LocalServer> start_silent_server();
// A mail relay that keeps accepted mail in a folder (see servers/mail_drop.py)
// and refuses the recipients given.
std::unique_ptr<LocalServer> start_mail_relay(const QString& folder, const QStringList& refused = {});

}  // namespace lumbra::testing_servers
