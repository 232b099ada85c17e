#pragma once

// A command for the help viewer, as the calculator starts it:
//   passer-rating-help --contents FILE TOPIC
//   passer-rating-help --index FILE KEYWORD
// and as a second start hands it to the viewer already running.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace help {

struct HelpCommand {
    enum class Tab { Contents, Index };
    Tab tab = Tab::Contents;
    QString file;
    QString topic; // the topic for Contents, the keyword for Index
};

// The command of a command line (the program's name first), if it is one.
std::optional<HelpCommand> commandFromArguments(const QStringList& arguments);

// Longer commands are refused: no path or topic comes near this.
inline constexpr qsizetype kMaxCommandBytes = 64 * 1024;

// The command as the bytes that travel to a running viewer, and back. Bytes that are no
// command (damaged, too long) give none.
QByteArray encodeCommand(const HelpCommand& command);
std::optional<HelpCommand> decodeCommand(const QByteArray& bytes);

} // namespace help
