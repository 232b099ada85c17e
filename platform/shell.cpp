#include "platform/shell.h"

namespace platform {

void HyperJump(Shell& shell, const QString& address)
{
    shell.ShellExecuteA(nullptr, nullptr, address, nullptr, nullptr, kShowNormal);
}

} // namespace platform
