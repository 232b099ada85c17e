#include "ui/win32/window_parts.h"

#include "platform/windows_text.h"
#include "ui/description/texts.h"

#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace win32 {
namespace {

// Entry points of Windows 10 and later, looked up so that the program still starts
// where they are missing (it then lays out at the screen's DPI alone).
template <typename Function> Function user32(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32"), name)));
}

// A child as designed, to be placed again at another DPI.
struct Placed {
    HWND child;
    description::TwipsRect rect;
    Face face;
};

// The children of each top-level window; entries of destroyed windows go when a new
// window is made, before its handle can stand for another.
std::map<HWND, std::vector<Placed>>& layouts()
{
    static std::map<HWND, std::vector<Placed>> placed; // lives as long as the program
    return placed;
}

void place(const Placed& placed, int dpi)
{
    const RECT box = pixels(placed.rect, dpi);
    ::SetWindowPos(placed.child, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (placed.face.points > 0) {
        ::SendMessageW(placed.child, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont(dpi, placed.face)), TRUE);
    }
}

// The frame's size around a client area of `size` at `dpi`.
SIZE frameSize(description::TwipsSize size, DWORD style, bool menu, DWORD exStyle, int dpi)
{
    RECT frame{0, 0, pixels(size.width, dpi), pixels(size.height, dpi)};
    static const auto adjustForDpi =
        user32<BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&frame, style, menu ? TRUE : FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        ::AdjustWindowRectEx(&frame, style, menu ? TRUE : FALSE, exStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace

int dotsPerInch(HWND window)
{
    static const auto forWindow = user32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (window != nullptr && forWindow != nullptr) {
        return static_cast<int>(forWindow(window));
    }
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

int pixels(int twips, int dpi)
{
    return description::pixelsAt(twips, dpi);
}

RECT pixels(const description::TwipsRect& rect, int dpi)
{
    const int left = pixels(rect.left, dpi);
    const int top = pixels(rect.top, dpi);
    return {left, top, left + pixels(rect.width, dpi), top + pixels(rect.height, dpi)};
}

HFONT windowFont(int dpi, Face face)
{
    static std::map<std::pair<int, bool>, HFONT> fonts; // lives as long as the program
    const int height = -static_cast<int>(std::lround(face.points * dpi / description::kPointsPerInch));
    HFONT& font = fonts[{height, face.bold}];
    if (font == nullptr) {
        font = ::CreateFontW(height, 0, 0, 0, face.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                             platform::toWide(description::kWindowFontFamily).c_str());
    }
    return font;
}

void registerWindowClass(const wchar_t* className, WNDPROC procedure, bool icon)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(windowClass.hInstance, className, &windowClass) != FALSE) {
        return;
    }
    windowClass.lpfnWndProc = procedure;
    windowClass.hIcon = icon ? ::LoadIconW(windowClass.hInstance, L"WINDOWICON") : nullptr;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    ::RegisterClassExW(&windowClass);
}

HWND createCentredWindow(DWORD exStyle, const wchar_t* className, const std::string& title, DWORD style,
                         description::TwipsSize size, HWND owner, HMENU menu)
{
    std::erase_if(layouts(), [](const auto& entry) { return ::IsWindow(entry.first) == FALSE; });
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const auto centred = [&](SIZE frame) {
        return POINT{work.left + (work.right - work.left - frame.cx) / 2,
                     work.top + (work.bottom - work.top - frame.cy) / 2};
    };
    // Laid out at the primary screen's DPI, where it opens; at its own, should that differ.
    SIZE frame = frameSize(size, style, menu != nullptr, exStyle, dotsPerInch());
    POINT at = centred(frame);
    const HWND window = ::CreateWindowExW(exStyle, className, platform::toWide(title).c_str(), style, at.x, at.y,
                                          frame.cx, frame.cy, owner, menu, ::GetModuleHandleW(nullptr), nullptr);
    const int dpi = dotsPerInch(window);
    if (dpi != dotsPerInch()) {
        frame = frameSize(size, style, menu != nullptr, exStyle, dpi);
        at = centred(frame);
        ::SetWindowPos(window, nullptr, at.x, at.y, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return window;
}

HWND createChild(const wchar_t* className, const std::string& text, DWORD style, const description::TwipsRect& rect,
                 HWND parent, int id, Face face)
{
    const HWND child = ::CreateWindowExW(0, className, platform::toWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                                         0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         ::GetModuleHandleW(nullptr), nullptr);
    const Placed placed{child, rect, face};
    place(placed, dotsPerInch(parent));
    layouts()[parent].push_back(placed);
    return child;
}

HWND addLabel(HWND parent, const description::Label& row)
{
    const DWORD style = SS_NOTIFY | SS_NOPREFIX | (row.centred ? SS_CENTER : SS_LEFT);
    return createChild(L"STATIC", description::designText(row.text), style, row.rect, parent, -1,
                       {row.points, row.bold});
}

HWND addLogo(HWND parent, const description::TwipsRect& rect)
{
    const HWND logo =
        createChild(L"STATIC", {}, SS_BITMAP | SS_CENTERIMAGE | SS_NOTIFY | WS_BORDER, rect, parent, -1, {0, false});
    auto* const bitmap =
        static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), L"LOGO", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    ::SendMessageW(logo, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    return logo;
}

void applyDpi(HWND window, const RECT& suggested)
{
    ::SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    const int dpi = dotsPerInch(window);
    for (const Placed& placed : layouts()[window]) {
        place(placed, dpi);
    }
    ::InvalidateRect(window, nullptr, TRUE);
}

std::string windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return platform::toUtf8(text);
}

void setWindowText(HWND window, std::string_view text)
{
    ::SetWindowTextW(window, platform::toWide(std::string(text)).c_str());
}

} // namespace win32
