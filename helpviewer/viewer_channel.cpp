#include "helpviewer/viewer_channel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace help {
namespace {

// A listener answers a whole command at once; these are far beyond what a running viewer
// needs, and short enough that help still opens within a second when one does not.
constexpr int kConnectMilliseconds = 250;
constexpr int kAnswerMilliseconds = 400;
// What a sender may take to send its command.
constexpr int kSendMilliseconds = 2000;
constexpr char kAnswer = '\x06';

// Per user and per display, as the viewer's window belongs to both.
QString channelName(int number)
{
    QString display = qEnvironmentVariable("DISPLAY", qEnvironmentVariable("WAYLAND_DISPLAY"));
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("passer-rating-help-%1-%2-%3").arg(::getuid()).arg(display).arg(number);
}

// The other end's user: the sender's for a listener, the listener's for a sender.
bool sameUser(const QLocalSocket& connection)
{
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(static_cast<int>(connection.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &length) ==
               0 &&
           peer.uid == ::getuid();
}

enum class Offer { Taken, NoOne, PassedOver };

Offer offer(const QString& name, const HelpCommand& command)
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectMilliseconds)) {
        return socket.error() == QLocalSocket::ServerNotFoundError ||
                       socket.error() == QLocalSocket::ConnectionRefusedError
                   ? Offer::NoOne
                   : Offer::PassedOver;
    }
    // Nothing goes to another user's listener, not even the help file's name.
    if (!sameUser(socket)) {
        return Offer::PassedOver;
    }
    socket.write(encodeCommand(command));
    if (!socket.waitForBytesWritten(kAnswerMilliseconds) || !socket.waitForReadyRead(kAnswerMilliseconds)) {
        return Offer::PassedOver;
    }
    return socket.read(1) == QByteArray(1, kAnswer) ? Offer::Taken : Offer::PassedOver;
}

} // namespace

ViewerChannel::ViewerChannel(Receive receive) : m_server(new QLocalServer(this)), m_receive(std::move(receive))
{
    m_server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(m_server, &QLocalServer::newConnection, this, &ViewerChannel::accept);
}

bool ViewerChannel::handOver(const HelpCommand& command, int& freeName)
{
    // Viewers take the names in order, so the first name no one holds ends the search.
    for (freeName = 0; freeName < kNames; ++freeName) {
        switch (offer(channelName(freeName), command)) {
        case Offer::Taken:
            return true;
        case Offer::NoOne:
            return false;
        case Offer::PassedOver:
            break;
        }
    }
    return false;
}

bool ViewerChannel::listen(int first)
{
    for (int number = first; number < kNames; ++number) {
        if (m_server->listen(channelName(number))) {
            return true;
        }
    }
    return false;
}

void ViewerChannel::accept()
{
    while (QLocalSocket* connection = m_server->nextPendingConnection()) {
        if (!sameUser(*connection)) {
            connection->abort();
            connection->deleteLater();
            continue;
        }
        // A command arrives whole soon after its sender connects; one that does not is
        // dropped, so a silent peer cannot keep a connection open.
        QTimer::singleShot(kSendMilliseconds, connection, &QLocalSocket::abort);
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        connect(connection, &QLocalSocket::readyRead, this, [this, connection] { read(connection); });
    }
}

void ViewerChannel::read(QLocalSocket* connection)
{
    // A command is three fields, each ended by a NUL.
    const QByteArray bytes = connection->peek(kMaxCommandBytes + 1);
    if (bytes.count('\0') < 3) {
        if (bytes.size() > kMaxCommandBytes) {
            connection->abort();
        }
        return;
    }
    connection->readAll();
    const auto command = decodeCommand(bytes);
    if (command) {
        connection->write(&kAnswer, 1);
        connection->flush();
    }
    connection->disconnectFromServer();
    if (command) {
        m_receive(*command);
    }
}

} // namespace help
