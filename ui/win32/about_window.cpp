#include "ui/win32/about_window.h"

#include "identity/product.h"
#include "ui/description/clock.h"
#include "ui/description/startup_forms.h"
#include "ui/description/texts.h"
#include "ui/win32/window_ids.h"
#include "ui/win32/window_parts.h"

namespace win32 {
namespace {

LRESULT CALLBACK aboutProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // cmdOK_Click: OK itself, or Esc, which presses the cancel button.
        if (LOWORD(wParam) == kIdOk || (description::kAboutOk.isCancel && LOWORD(wParam) == kIdCancel)) {
            ::DestroyWindow(window);
        }
        return 0;
    case DM_GETDEFID: // Enter presses the default button
        return description::kAboutOk.isDefault ? MAKELRESULT(kIdOk, DC_HASDEFID) : 0;
    case WM_CLOSE:
        ::DestroyWindow(window);
        return 0;
    case WM_DPICHANGED:
        applyDpi(window, *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_PAINT: { // Line1, the etched separator
        PAINTSTRUCT paint{};
        const HDC dc = ::BeginPaint(window, &paint);
        const int dpi = dotsPerInch(window);
        for (const description::Line& line : description::kAboutLines) {
            const HPEN pen = ::CreatePen(PS_SOLID, line.widthPixels, RGB(line.grey, line.grey, line.grey));
            const HGDIOBJ old = ::SelectObject(dc, pen);
            ::MoveToEx(dc, pixels(line.x1, dpi), pixels(line.y, dpi), nullptr);
            ::LineTo(dc, pixels(line.x2, dpi), pixels(line.y, dpi));
            ::SelectObject(dc, old);
            ::DeleteObject(pen);
        }
        ::EndPaint(window, &paint);
        return 0;
    }
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

void showAbout(const description::Clock& clock, HWND owner)
{
    registerWindowClass(kAboutClass, aboutProcedure, true);

    const HWND about =
        createCentredWindow(WS_EX_DLGMODALFRAME, kAboutClass, description::aboutCaption(),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU, description::kAboutClientSize, owner, nullptr);
    // First in tab order, so it holds the focus when the window opens.
    const description::Button& okRow = description::kAboutOk;
    const HWND ok =
        createChild(L"BUTTON", okRow.caption, WS_TABSTOP | (okRow.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                    okRow.rect, about, kIdOk);
    addLogo(about, description::kAboutLogo.rect);
    for (const description::Label& row : description::kAboutLabels) {
        const HWND label = addLabel(about, row);
        if (row.filledOnLoad) { // Form_Load
            setWindowText(label, description::loadedText(row.text, clock.currentYear(), product::kVersionMajor,
                                                         product::kVersionMinor));
        }
    }

    // Modal: the owner takes no input until the About window has gone.
    ::EnableWindow(owner, FALSE);
    ::ShowWindow(about, SW_SHOWNORMAL);
    ::SetFocus(ok);
    MSG message{};
    while (::IsWindow(about) && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageW(about, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    ::EnableWindow(owner, TRUE);
    ::SetActiveWindow(owner);
    if (message.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(message.wParam)); // the program ends: pass it on
    }
}

} // namespace win32
