#include "platform/shell_unix.h"

#include "identity/product.h"

#include <QMessageBox>
#include <QProcess>

#include <utility>

namespace platform {
namespace {

void tellUser(const std::string& address)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(product::kTitle),
                    QStringLiteral("No web browser could be started for this address. You can "
                                   "copy it into a browser yourself:\n\n%1")
                        .arg(QString::fromStdString(address)),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

} // namespace

DesktopShell::DesktopShell() : DesktopShell("xdg-open", tellUser) {}

DesktopShell::DesktopShell(std::string program, Notify notify)
    : m_program(std::move(program)), m_notify(std::move(notify))
{
}

void DesktopShell::ShellExecuteA(WindowHandle /*owner*/, const char* /*operation*/, const std::string& file,
                                 const char* /*parameters*/, const char* /*directory*/, int /*showCommand*/)
{
    // Nobody waits for the handler: its outcome arrives later, if it fails at all.
    auto* process = new QProcess;
    process->setProgram(QString::fromStdString(m_program));
    process->setArguments({QString::fromStdString(file)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const Notify notify = m_notify;
    QObject::connect(process, &QProcess::errorOccurred, process, [process, notify, file](QProcess::ProcessError error) {
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
