// The shell on Windows: shell32's ShellExecuteA with the default action.

#include "platform/shell.h"

#include <QByteArray>
#include <QWidget>

#include <windows.h>

#include <shellapi.h>

namespace platform {
namespace {

class WindowsShell final : public Shell {
  public:
    void ShellExecuteA(QWidget* owner, const char* operation, const QString& file,
                       const char* parameters, const char* directory, int showCommand) override
    {
        // The ANSI entry point: the address in the system's code page.
        const QByteArray ansiFile = file.toLocal8Bit();
        const HWND ownerWindow =
            owner != nullptr ? reinterpret_cast<HWND>(owner->winId()) : nullptr;
        ::ShellExecuteA(ownerWindow, operation, ansiFile.constData(), parameters, directory,
                        showCommand);
    }
};

} // namespace

std::unique_ptr<Shell> createShell()
{
    return std::make_unique<WindowsShell>();
}

} // namespace platform
