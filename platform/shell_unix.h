#pragma once

#include "platform/shell.h"

#include <functional>
#include <string>

namespace platform {

// Opens addresses with xdg-open. When it cannot be started, or reports that no program
// could open the address, the user is told in a message box that names the address, so
// it can be copied into a browser by hand.
class DesktopShell final : public Shell {
  public:
    using Notify = std::function<void(const std::string& address)>;

    DesktopShell();
    DesktopShell(std::string program, Notify notify);

    void ShellExecuteA(WindowHandle owner, const char* operation, const std::string& file, const char* parameters,
                       const char* directory, int showCommand) override;

  private:
    std::string m_program;
    Notify m_notify;
};

} // namespace platform
