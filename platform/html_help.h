#pragma once

// HTML Help, as the calculator calls it: HtmlHelpA(owner, file, command, data). On
// Windows this is the system's viewer in hhctrl.ocx; elsewhere it is the program's own
// viewer, passer-rating-help, a process of its own. Texts are UTF-8; the Windows call
// gets them in the system's ANSI code page.

#include <memory>
#include <string>

namespace platform {

using WindowHandle = void*; // a window of the system's (HWND); none off Windows

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
    virtual void HtmlHelpA(WindowHandle owner, const std::string& file, unsigned command, const std::string& data) = 0;
};

// The implementation for this operating system.
std::unique_ptr<HtmlHelp> createHtmlHelp();

// The folder of the running program file, as the system reports it.
std::string programFolder();

// The help file: the program's folder, "Help" and the help file's name, built anew on
// every call; the current directory plays no part.
std::string helpFilePath();

} // namespace platform
