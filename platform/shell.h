#pragma once

// The shell, as the calculator calls it: ShellExecuteA(owner, operation, file,
// parameters, directory, show). On Windows this is shell32; elsewhere the desktop's
// default handler for an address (xdg-open).

#include "platform/html_help.h"

#include <memory>
#include <string>

namespace platform {

inline constexpr int kShowNormal = 1; // SW_SHOWNORMAL

class Shell {
  public:
    Shell() = default;
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;
    Shell(Shell&&) = delete;
    Shell& operator=(Shell&&) = delete;
    virtual ~Shell() = default;

    // Starts the default action (a null operation) for `file` (UTF-8) and does not wait.
    // Its outcome is not returned: callers discard it.
    virtual void ShellExecuteA(WindowHandle owner, const char* operation, const std::string& file,
                               const char* parameters, const char* directory, int showCommand) = 0;
};

std::unique_ptr<Shell> createShell();

// Opens a web address in the default browser. Callable from any window; keeps nothing.
inline void HyperJump(Shell& shell, const std::string& address)
{
    shell.ShellExecuteA(nullptr, nullptr, address, nullptr, nullptr, kShowNormal);
}

} // namespace platform
