#include "ui/win32/splash_window.h"

#include "ui/description/clock.h"
#include "ui/description/startup_forms.h"
#include "ui/description/texts.h"
#include "ui/win32/window_ids.h"
#include "ui/win32/window_parts.h"

#include <utility>

#include <windowsx.h>

namespace win32 {
namespace {

constexpr UINT_PTR kTimer1 = 1;

// Where a child of the frame lies in the window: the frame's offset added.
description::TwipsRect inFrame(description::TwipsRect rect)
{
    rect.left += description::kSplashFrame.rect.left;
    rect.top += description::kSplashFrame.rect.top;
    return rect;
}

} // namespace

SplashWindow::SplashWindow(const description::Clock& clock, SplashCommands commands, int versionMajor, int versionMinor)
    : m_commands(std::move(commands))
{
    registerWindowClass(kSplashClass, &SplashWindow::procedure, false);
    m_window = createCentredWindow(WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME, kSplashClass, {}, WS_POPUP | WS_DLGFRAME,
                                   description::kSplashClientSize, nullptr, nullptr);
    ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    // Frame1 takes no clicks itself (a group box lets them through to the window), and
    // the labels and the logo keep theirs, so a click reaches the window only from the
    // frame's bare part.
    createChild(L"BUTTON", {}, BS_GROUPBOX, description::kSplashFrame.rect, m_window, -1);
    addLogo(m_window, inFrame(description::kSplashLogo.rect));
    for (description::Label row : description::kSplashLabels) {
        row.rect = inFrame(row.rect);
        const HWND label = addLabel(m_window, row);
        if (row.filledOnLoad) {
            m_loaded.emplace_back(row.text, label);
        }
    }
    Form_Load(clock, versionMajor, versionMinor);
    // Counting starts with the window.
    ::SetTimer(m_window, kTimer1, description::kSplashMilliseconds, nullptr);
}

SplashWindow::~SplashWindow()
{
    if (::IsWindow(m_window)) {
        ::SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        ::DestroyWindow(m_window);
    }
}

void SplashWindow::Form_Load(const description::Clock& clock, int versionMajor, int versionMinor)
{
    for (const auto& [text, label] : m_loaded) {
        setWindowText(label, description::loadedText(text, clock.currentYear(), versionMajor, versionMinor));
    }
}

void SplashWindow::show()
{
    ::ShowWindow(m_window, SW_SHOWNORMAL);
    // No control takes the focus: the window itself gets every key.
    ::SetForegroundWindow(m_window);
    ::SetFocus(m_window);
}

void SplashWindow::Timer1_Timer()
{
    ::KillTimer(m_window, kTimer1);
    if (m_commands.handOver) {
        m_commands.handOver(); // the calculator is shown before the splash window goes
    }
    close();
}

void SplashWindow::Frame1_Click()
{
    closeEarly();
}

void SplashWindow::closeEarly()
{
    // No other window exists yet, so the program ends here.
    ::KillTimer(m_window, kTimer1);
    close();
    if (m_commands.endProgram) {
        m_commands.endProgram();
    }
}

void SplashWindow::close()
{
    ::SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    ::DestroyWindow(m_window);
}

LRESULT CALLBACK SplashWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<SplashWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr) {
        switch (message) {
        case WM_TIMER:
            if (wParam == kTimer1) {
                self->Timer1_Timer();
                return 0;
            }
            break;
        case WM_CLOSE: // Alt+F4, the close command, End task: as a key does
            self->closeEarly();
            return 0;
        case WM_DPICHANGED:
            applyDpi(window, *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CHAR: // Form_KeyPress: any character but Tab, whatever its value
            if (wParam != '\t') {
                self->closeEarly();
                return 0;
            }
            break;
        case WM_LBUTTONDOWN: {
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const RECT frame = pixels(description::kSplashFrame.rect, dotsPerInch(window));
            if (::PtInRect(&frame, point) != FALSE) {
                self->Frame1_Click();
                return 0;
            }
            break;
        }
        default:
            break;
        }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace win32
