// The browser on Windows: shell32's ShellExecuteW with the default action, which tells
// the user itself when nothing can open the address.

#include "platform/browser.h"

#include "platform/windows_text.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {
namespace {

class WindowsBrowser final : public Browser {
  public:
    void open(const std::string& address) override
    {
        ::ShellExecuteW(nullptr, nullptr, toWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
};

} // namespace

std::unique_ptr<Browser> createBrowser(const BrowserFailed& /*failed*/)
{
    return std::make_unique<WindowsBrowser>();
}

} // namespace platform
