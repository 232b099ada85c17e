#include "platform/shell_unix.h"

#include "app/app_info.h"

#include <QMessageBox>
#include <QProcess>

#include <utility>

namespace platform {
namespace {

void tellUser(const QString& address)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(app::kTitle),
                    QStringLiteral("No web browser could be started for this address. You can "
                                   "copy it into a browser yourself:\n\n%1")
                        .arg(address),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

} // namespace

DesktopShell::DesktopShell() : DesktopShell(QStringLiteral("xdg-open"), tellUser) {}

DesktopShell::DesktopShell(QString program, Notify notify)
    : m_program(std::move(program)), m_notify(std::move(notify))
{
}

void DesktopShell::ShellExecuteA(QWidget* /*owner*/, const char* /*operation*/, const QString& file,
                                 const char* /*parameters*/, const char* /*directory*/,
                                 int /*showCommand*/)
{
    // Nobody waits for the handler: its outcome arrives later, if it fails at all.
    auto* process = new QProcess;
    process->setProgram(m_program);
    process->setArguments({file});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const Notify notify = m_notify;
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, notify, file](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             process->deleteLater();
                             notify(file);
                         }
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, notify, file](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             notify(file);
                         }
                     });
    process->start();
}

std::unique_ptr<Shell> createShell()
{
    return std::make_unique<DesktopShell>();
}

} // namespace platform
