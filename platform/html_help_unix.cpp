// HTML Help off Windows: the program's own viewer, passer-rating-help, which lies beside
// the calculator. It is started and left to itself; it opens the help file, reports its
// problems in its own window, and hands a command on to a viewer already running, so
// one window serves every command.

#include "platform/html_help.h"

#include <QCoreApplication>
#include <QProcess>

namespace platform {
namespace {

class ViewerHtmlHelp final : public HtmlHelp {
  public:
    void HtmlHelpA(WindowHandle /*owner*/, const std::string& file, unsigned command, const std::string& data) override
    {
        if (command != kDisplayToc && command != kDisplayIndex) {
            return;
        }
        const QString tab = command == kDisplayToc ? QStringLiteral("--contents") : QStringLiteral("--index");
        QProcess::startDetached(QString::fromStdString(programFolder() + "/passer-rating-help"),
                                {tab, QString::fromStdString(file), QString::fromStdString(data)});
    }
};

} // namespace

std::unique_ptr<HtmlHelp> createHtmlHelp()
{
    return std::make_unique<ViewerHtmlHelp>();
}

std::string programFolder()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

} // namespace platform
