// The help and web links as the calculator calls them, the same on every system.

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

void showContents(HtmlHelp& htmlHelp)
{
    htmlHelp.HtmlHelpA(nullptr, helpFilePath(), kDisplayToc, "Welcome.htm");
}

void showIndex(HtmlHelp& htmlHelp)
{
    htmlHelp.HtmlHelpA(nullptr, helpFilePath(), kDisplayIndex, {});
}

} // namespace platform
