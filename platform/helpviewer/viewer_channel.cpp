#include "platform/helpviewer/viewer_channel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace help {
namespace {

constexpr int kWaitMilliseconds = 2000;

// Per user and per display, as the viewer's window belongs to both.
QString channelName()
{
    QString display = qEnvironmentVariable("DISPLAY", qEnvironmentVariable("WAYLAND_DISPLAY"));
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("passer-rating-help-%1-%2").arg(::getuid()).arg(display);
}

bool sameUser(const QLocalSocket* connection)
{
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(static_cast<int>(connection->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &length) ==
               0 &&
           peer.uid == ::getuid();
}

} // namespace

ViewerChannel::ViewerChannel(Receive receive) : m_server(new QLocalServer(this)), m_receive(std::move(receive))
{
    m_server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(m_server, &QLocalServer::newConnection, this, &ViewerChannel::accept);
}

bool ViewerChannel::handOver(const HelpCommand& command)
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(channelName());
    if (!socket.waitForConnected(kWaitMilliseconds)) {
        return false;
    }
    socket.write(encodeCommand(command));
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(kWaitMilliseconds);
}

bool ViewerChannel::listen()
{
    return m_server->listen(channelName());
}

void ViewerChannel::accept()
{
    while (QLocalSocket* connection = m_server->nextPendingConnection()) {
        if (!sameUser(connection)) {
            connection->abort();
            connection->deleteLater();
            continue;
        }
        // A command arrives whole before its sender hangs up; one that does not, soon, is
        // dropped, so a silent peer cannot keep a connection open.
        QTimer::singleShot(kWaitMilliseconds, connection, &QLocalSocket::abort);
        connect(connection, &QLocalSocket::disconnected, this, [this, connection] { read(connection); });
        connect(connection, &QLocalSocket::readyRead, this, [connection] {
            if (connection->bytesAvailable() > kMaxCommandBytes) {
                connection->abort();
            }
        });
    }
}

void ViewerChannel::read(QLocalSocket* connection)
{
    connection->deleteLater();
    const QByteArray bytes = connection->readAll();
    if (const auto command = decodeCommand(bytes)) {
        m_receive(*command);
    }
}

} // namespace help
