// The shell on Windows: shell32's ShellExecuteA with the default action.

#include "platform/shell.h"

#include "platform/windows_text.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {
namespace {

class WindowsShell final : public Shell {
  public:
    void ShellExecuteA(WindowHandle owner, const char* operation, const std::string& file, const char* parameters,
                       const char* directory, int showCommand) override
    {
        // The ANSI entry point: the address in the system's code page.
        ::ShellExecuteA(static_cast<HWND>(owner), operation, toAnsi(file).c_str(), parameters, directory, showCommand);
    }
};

} // namespace

std::unique_ptr<Shell> createShell()
{
    return std::make_unique<WindowsShell>();
}

} // namespace platform
