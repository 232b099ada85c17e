#pragma once

// The default web browser: on Windows the shell's default action for an address;
// elsewhere the desktop's handler for it (xdg-open).

#include <functional>
#include <memory>
#include <string>

namespace platform {

class Browser {
  public:
    Browser() = default;
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;
    Browser(Browser&&) = delete;
    Browser& operator=(Browser&&) = delete;
    virtual ~Browser() = default;

    // Opens `address` (UTF-8) and does not wait.
    virtual void open(const std::string& address) = 0;
};

// Told the address when no browser could be started for it, where the system does not
// tell the user itself (off Windows), so the user can copy it into a browser by hand.
using BrowserFailed = std::function<void(const std::string& address)>;

std::unique_ptr<Browser> createBrowser(const BrowserFailed& failed);

} // namespace platform
