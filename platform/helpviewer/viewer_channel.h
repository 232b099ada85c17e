#pragma once

// One help viewer serves a user's display: the first viewer started listens on a local
// socket in Linux's abstract namespace (so no socket file is written anywhere), and a
// viewer started later hands its command to that one and ends. Only the same user's
// commands are taken.

#include "platform/helpviewer/help_command.h"

#include <QObject>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace help {

class ViewerChannel : public QObject {
    Q_OBJECT

  public:
    using Receive = std::function<void(const HelpCommand&)>;

    explicit ViewerChannel(Receive receive);

    // Hands `command` to the running viewer; false when none answers.
    static bool handOver(const HelpCommand& command);

    // Starts taking commands; false when another viewer has just taken the name.
    bool listen();

  private:
    void accept();
    void read(QLocalSocket* connection);

    QLocalServer* m_server;
    Receive m_receive;
};

} // namespace help
