// The help off Windows: the program's own viewer, passer-rating-help, which lies beside
// the calculator. It is started and left to itself; it opens the help file, reports its
// problems in its own window, and hands a command on to a viewer already running, so
// one window serves every command.

#include "platform/help.h"

#include <QCoreApplication>
#include <QProcess>

namespace platform {
namespace {

class ViewerHelp final : public Help {
  public:
    void showContents(const std::string& helpFile, const std::string& topic) override
    {
        start(QStringLiteral("--contents"), helpFile, topic);
    }
    void showIndex(const std::string& helpFile) override { start(QStringLiteral("--index"), helpFile, {}); }

  private:
    static void start(const QString& tab, const std::string& helpFile, const std::string& data)
    {
        QProcess::startDetached(QString::fromStdString(programFolder() + "/passer-rating-help"),
                                {tab, QString::fromStdString(helpFile), QString::fromStdString(data)});
    }
};

} // namespace

std::unique_ptr<Help> createHelp()
{
    return std::make_unique<ViewerHelp>();
}

std::string programFolder()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

} // namespace platform
