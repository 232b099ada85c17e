#include "ui/win32/window_parts.h"

#include "platform/windows_text.h"
#include "ui/description/texts.h"

#include <cmath>
#include <map>
#include <utility>

namespace win32 {
namespace {

int dotsPerInch()
{
    static const int dpi = [] {
        const HDC screen = ::GetDC(nullptr);
        const int value = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
        return value;
    }();
    return dpi;
}

} // namespace

int pixels(int twips)
{
    return description::pixelsAt(twips, dotsPerInch());
}

RECT pixels(const description::TwipsRect& rect)
{
    const int left = pixels(rect.left);
    const int top = pixels(rect.top);
    return {left, top, left + pixels(rect.width), top + pixels(rect.height)};
}

HFONT windowFont(double points, bool bold)
{
    static std::map<std::pair<int, bool>, HFONT> fonts; // lives as long as the program
    const int height = -static_cast<int>(std::lround(points * dotsPerInch() / description::kPointsPerInch));
    HFONT& font = fonts[{height, bold}];
    if (font == nullptr) {
        font = ::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
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
    windowClass.hIcon = icon ? ::LoadIconW(windowClass.hInstance, L"APPICON") : nullptr;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    ::RegisterClassExW(&windowClass);
}

HWND createCentredWindow(DWORD exStyle, const wchar_t* className, const std::string& title, DWORD style,
                         description::TwipsSize size, HWND owner, HMENU menu)
{
    RECT frame{0, 0, pixels(size.width), pixels(size.height)};
    ::AdjustWindowRectEx(&frame, style, menu != nullptr, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - width) / 2;
    const int y = work.top + (work.bottom - work.top - height) / 2;
    return ::CreateWindowExW(exStyle, className, platform::toWide(title).c_str(), style, x, y, width, height, owner,
                             menu, ::GetModuleHandleW(nullptr), nullptr);
}

HWND createChild(const wchar_t* className, const std::string& text, DWORD style, const description::TwipsRect& rect,
                 HWND parent, int id, HFONT font)
{
    const RECT box = pixels(rect);
    const HWND child =
        ::CreateWindowExW(0, className, platform::toWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.left,
                          box.top, box.right - box.left, box.bottom - box.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

HWND addLabel(HWND parent, const description::Label& row)
{
    const DWORD style = SS_NOTIFY | SS_NOPREFIX | (row.centred ? SS_CENTER : SS_LEFT);
    return createChild(L"STATIC", description::designText(row.text), style, row.rect, parent, -1,
                       windowFont(row.points, row.bold));
}

HWND addLogo(HWND parent, const description::TwipsRect& rect)
{
    const HWND logo =
        createChild(L"STATIC", {}, SS_BITMAP | SS_CENTERIMAGE | SS_NOTIFY | WS_BORDER, rect, parent, -1, nullptr);
    auto* const bitmap =
        static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), L"LOGO", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    ::SendMessageW(logo, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    return logo;
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
