#pragma once

// What the Windows windows share: twips at the screen's resolution, the windows' face,
// labels built from their designed rows, the logo, and texts in and out of controls.

#include "ui/description/main_form.h"
#include "ui/description/startup_forms.h"

#include <string>
#include <string_view>

#include <windows.h>

namespace win32 {

// Pixels for twips at the screen's resolution.
int pixels(int twips);
RECT pixels(const description::TwipsRect& rect);

// The windows' face, "Comic Sans MS", at `points`; created once for each size and kept.
HFONT windowFont(double points = description::kWindowFontPoints, bool bold = false);

// Registers a window class of the program's, unless it is already: the button face
// behind it, the arrow cursor, and the program's icon where `icon`.
void registerWindowClass(const wchar_t* className, WNDPROC procedure, bool icon);

// A window of `className` whose client area is `size`, centred on the screen.
HWND createCentredWindow(DWORD exStyle, const wchar_t* className, const std::string& title, DWORD style,
                         description::TwipsSize size, HWND owner, HMENU menu);

HWND createChild(const wchar_t* className, const std::string& text, DWORD style, const description::TwipsRect& rect,
                 HWND parent, int id, HFONT font);

// A label with its designed text; it keeps its clicks, so they reach no window below.
HWND addLabel(HWND parent, const description::Label& row);

// The 200 x 233 logo at its natural size, centred in a single-line border.
HWND addLogo(HWND parent, const description::TwipsRect& rect);

std::string windowText(HWND window);
void setWindowText(HWND window, std::string_view text);

} // namespace win32
