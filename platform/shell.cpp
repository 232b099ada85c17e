#include "platform/shell.h"

#include "identity/product.h"

namespace platform {

void HyperJump(Shell& shell, const std::string& address)
{
    shell.ShellExecuteA(nullptr, nullptr, address, nullptr, nullptr, kShowNormal);
}

std::string helpFilePath()
{
#ifdef _WIN32
    constexpr char kSeparator = '\\';
#else
    constexpr char kSeparator = '/';
#endif
    return programFolder() + kSeparator + "Help" + kSeparator + product::kHelpFileName;
}

} // namespace platform
