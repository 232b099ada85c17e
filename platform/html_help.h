#pragma once

// HTML Help, as the calculator calls it: HtmlHelpA(owner, file, command, data). On
// Windows this is the system's viewer in hhctrl.ocx; elsewhere it is the program's own
// viewer, passer-rating-help, a process of its own.

#include <QString>

#include <memory>

class QWidget;

namespace platform {

// The commands the calculator sends (HH_DISPLAY_TOC, HH_DISPLAY_INDEX).
inline constexpr unsigned kDisplayToc = 1;   // the Contents tab, at the topic given as data
inline constexpr unsigned kDisplayIndex = 2; // the Index tab, at the keyword given (empty)

class HtmlHelp {
  public:
    HtmlHelp() = default;
    HtmlHelp(const HtmlHelp&) = delete;
    HtmlHelp& operator=(const HtmlHelp&) = delete;
    HtmlHelp(HtmlHelp&&) = delete;
    HtmlHelp& operator=(HtmlHelp&&) = delete;
    virtual ~HtmlHelp() = default;

    // The viewer reports its own problems (no file, no topic) in its own way and never
    // waits; the window handle the real call returns is of no use to the calculator.
    virtual void HtmlHelpA(QWidget* owner, const QString& file, unsigned command,
                           const QString& data) = 0;
};

// The implementation for this operating system.
std::unique_ptr<HtmlHelp> createHtmlHelp();

} // namespace platform
