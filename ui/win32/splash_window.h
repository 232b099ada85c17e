#pragma once

// The splash window for Windows: a popup with the fixed-dialog border and no caption,
// out of the taskbar, with the frame, the logo and the labels of its designed table.
// A one-shot timer of 2000 ms hands over to the calculator; a character key, a click on
// the bare frame or a request to close it (Alt+F4, End task) before that closes it, and
// the program ends.

#include "ui/description/startup_forms.h"

#include <functional>
#include <utility>
#include <vector>

#include <windows.h>

namespace description {
class Clock;
} // namespace description

namespace win32 {

struct SplashCommands {
    std::function<void()> handOver;   // creates and shows the calculator window
    std::function<void()> endProgram; // ends the program at once
};

class SplashWindow final {
  public:
    SplashWindow(const description::Clock& clock, SplashCommands commands, int versionMajor, int versionMinor);
    SplashWindow(const SplashWindow&) = delete;
    SplashWindow& operator=(const SplashWindow&) = delete;
    SplashWindow(SplashWindow&&) = delete;
    SplashWindow& operator=(SplashWindow&&) = delete;
    ~SplashWindow();

    void show();

    void Timer1_Timer();
    void Frame1_Click();

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load(const description::Clock& clock, int versionMajor, int versionMinor);
    void closeEarly();
    void close();

    SplashCommands m_commands;
    HWND m_window = nullptr;
    std::vector<std::pair<description::LabelText, HWND>> m_loaded; // the version and the notice
};

} // namespace win32
