#pragma once

#include "platform/browser.h"

#include <string>

namespace platform {

// Opens addresses with a handler program (xdg-open); `failed` hears of an address that
// the handler could not be started for, or reported that no program could open.
class DesktopBrowser final : public Browser {
  public:
    DesktopBrowser(std::string handler, BrowserFailed failed);

    void open(const std::string& address) override;

  private:
    std::string m_handler;
    BrowserFailed m_failed;
};

} // namespace platform
