#pragma once

// One help viewer serves a user's display: a viewer listens on a local socket in Linux's
// abstract namespace (so no socket file is written anywhere), and a viewer started later
// hands its command to that one and ends. The abstract namespace is open to every user,
// so both ends check each other: a viewer takes commands only from its own user, and a
// starting viewer hands its command only to a listener of its own user that answers
// soon. A name held by anyone else, or by a viewer that does not answer, is passed over
// for the next of a few numbered names; with none left, the viewer shows its help alone.

#include "helpviewer/help_command.h"

#include <QObject>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace help {

class ViewerChannel : public QObject {
    Q_OBJECT

  public:
    using Receive = std::function<void(const HelpCommand&)>;

    // How many names a user's viewers may listen on.
    static constexpr int kNames = 4;

    explicit ViewerChannel(Receive receive);

    // Hands `command` to the first viewer of this user that answers, trying the names in
    // order up to the first that no one holds, whose number goes to `freeName`.
    static bool handOver(const HelpCommand& command, int& freeName);

    // Starts taking commands under the first name from `first` on that is free; false when
    // there is none.
    bool listen(int first);

  private:
    void accept();
    void read(QLocalSocket* connection);

    QLocalServer* m_server;
    Receive m_receive;
};

} // namespace help
