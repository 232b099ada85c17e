#include "platform/browser_unix.h"

#include <QProcess>

#include <utility>

namespace platform {

DesktopBrowser::DesktopBrowser(std::string handler, BrowserFailed failed)
    : m_handler(std::move(handler)), m_failed(std::move(failed))
{
}

void DesktopBrowser::open(const std::string& address)
{
    // Nobody waits for the handler: its outcome arrives later, if it fails at all.
    auto* process = new QProcess;
    process->setProgram(QString::fromStdString(m_handler));
    process->setArguments({QString::fromStdString(address)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const BrowserFailed failed = m_failed;
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed, address](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             process->deleteLater();
                             failed(address);
                         }
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed, address](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             failed(address);
                         }
                     });
    process->start();
}

std::unique_ptr<Browser> createBrowser(const BrowserFailed& failed)
{
    return std::make_unique<DesktopBrowser>("xdg-open", failed);
}

} // namespace platform
