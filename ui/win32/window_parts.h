#pragma once

// What the Windows windows share: twips at the window's resolution, the windows' face,
// labels built from their designed rows, the logo, and texts in and out of controls.
// The program is aware of each monitor's DPI (its manifest says so): a window is laid
// out at the DPI of the monitor it is on, and again when it moves to another
// (WM_DPICHANGED), so it keeps its designed size in twips everywhere.

#include "ui/description/main_form.h"
#include "ui/description/startup_forms.h"

#include <string>
#include <string_view>

#include <windows.h>

namespace win32 {

// The DPI of `window`, or of the primary screen for none.
int dotsPerInch(HWND window = nullptr);

// Pixels for twips at `dpi`.
int pixels(int twips, int dpi);
RECT pixels(const description::TwipsRect& rect, int dpi);

// A face of the windows', "Comic Sans MS" by default; no points, no font (the logo).
struct Face {
    double points = description::kWindowFontPoints;
    bool bold = false;
};

// The face at `dpi`; created once for each size and kept.
HFONT windowFont(int dpi, Face face = {});

// Registers a window class of the program's, unless it is already: the button face
// behind it, the arrow cursor, and the program's window icon where `icon`.
void registerWindowClass(const wchar_t* className, WNDPROC procedure, bool icon);

// A window of `className` whose client area is `size`, centred on the screen.
HWND createCentredWindow(DWORD exStyle, const wchar_t* className, const std::string& title, DWORD style,
                         description::TwipsSize size, HWND owner, HMENU menu);

// A child at its designed twips in `face`, placed again when its window's DPI changes.
HWND createChild(const wchar_t* className, const std::string& text, DWORD style, const description::TwipsRect& rect,
                 HWND parent, int id, Face face = {});

// A label with its designed text; it keeps its clicks, so they reach no window below.
HWND addLabel(HWND parent, const description::Label& row);

// The 200 x 233 logo at its natural size, centred in a single-line border.
HWND addLogo(HWND parent, const description::TwipsRect& rect);

// WM_DPICHANGED: the window takes the rectangle the system suggests, and its children
// their designed twips and faces at the new DPI.
void applyDpi(HWND window, const RECT& suggested);

std::string windowText(HWND window);
void setWindowText(HWND window, std::string_view text);

} // namespace win32
