#include "helpviewer/help_command.h"

#include <QList>

namespace help {
namespace {

constexpr char kContents[] = "--contents";
constexpr char kIndex[] = "--index";

} // namespace

std::optional<HelpCommand> commandFromArguments(const QStringList& arguments)
{
    if (arguments.size() != 4) {
        return std::nullopt;
    }
    HelpCommand command;
    if (arguments[1] == QLatin1String(kContents)) {
        command.tab = HelpCommand::Tab::Contents;
    } else if (arguments[1] == QLatin1String(kIndex)) {
        command.tab = HelpCommand::Tab::Index;
    } else {
        return std::nullopt;
    }
    command.file = arguments[2];
    command.topic = arguments[3];
    return command;
}

// The three arguments in UTF-8, each ended by a NUL, which no path or topic holds.
QByteArray encodeCommand(const HelpCommand& command)
{
    QByteArray bytes(command.tab == HelpCommand::Tab::Contents ? kContents : kIndex);
    bytes.append('\0');
    bytes.append(command.file.toUtf8()).append('\0');
    bytes.append(command.topic.toUtf8()).append('\0');
    return bytes;
}

std::optional<HelpCommand> decodeCommand(const QByteArray& bytes)
{
    if (bytes.size() > kMaxCommandBytes || !bytes.endsWith('\0')) {
        return std::nullopt;
    }
    QStringList arguments{QString()};
    const QList<QByteArray> parts = bytes.first(bytes.size() - 1).split('\0');
    for (const QByteArray& part : parts) {
        arguments.append(QString::fromUtf8(part));
    }
    return commandFromArguments(arguments);
}

} // namespace help
