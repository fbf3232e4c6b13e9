#include "local_server.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace lumbra::testing_servers {
namespace {

// The python3 first on the PATH of a build machine may lack Debian's modules.
const QString debian_python = QStringLiteral("/usr/bin/python3");

QString scripts_folder()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/servers");
}

bool accepts(quint16 port)
{
    QTcpSocket probe;
    probe.connectToHost(QStringLiteral("127.0.0.1"), port);
    const bool connected = probe.waitForConnected(200);
    probe.abort();
    return connected;
}

}  // namespace

quint16 free_port()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

LocalServer::LocalServer(const QStringList& python_arguments, quint16 port) : port_(port)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PYTHONPATH"), scripts_folder());
    environment.insert(QStringLiteral("PYTHONUNBUFFERED"), QStringLiteral("1"));
    environment.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));  // keeps the source tree clean
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(debian_python, python_arguments);
    if (!process_.waitForStarted(5000))
        return;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
        if (accepts(port_)) {
            ready_ = true;
            return;
        }
        QThread::msleep(50);
    }
}

LocalServer::~LocalServer()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();  // SIGTERM to this server's own process id
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

QString LocalServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(port_).arg(path);
}

QString LocalServer::output()
{
    return QString::fromUtf8(process_.readAll());
}

std::unique_ptr<LocalServer> start_web_server(const QString& folder)
{
    const quint16 port = free_port();
    return std::make_unique<LocalServer>(
        QStringList{QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("--bind"),
                    QStringLiteral("127.0.0.1"), QStringLiteral("--directory"), folder, QString::number(port)},
        port);
}

std::unique_ptr<LocalServer> start_silent_server()
{
    const quint16 port = free_port();
    return std::make_unique<LocalServer>(
        QStringList{scripts_folder() + QStringLiteral("/silent_server.py"), QString::number(port)}, port);
}

std::unique_ptr<LocalServer> start_mail_relay(const QString& folder, const QStringList& refused)
{
    const quint16 port = free_port();
    return std::make_unique<LocalServer>(
        QStringList{QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"), QStringLiteral("-l"),
                    QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("-c"),
                    QStringLiteral("mail_drop.MailDrop"), folder} +
            refused,
        port);
}

}  // namespace lumbra::testing_servers
