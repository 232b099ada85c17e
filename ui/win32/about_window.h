#pragma once

// The About window for Windows, modal over the calculator: its owner is disabled while it
// is open. OK is the default and the cancel button, so Enter and Esc close it like a
// click; the close box does too. It is created anew on every opening.

#include <windows.h>

namespace description {
class Clock;
} // namespace description

namespace win32 {

// Shows a new About window over `owner` and returns once it has closed.
void showAbout(const description::Clock& clock, HWND owner);

} // namespace win32
