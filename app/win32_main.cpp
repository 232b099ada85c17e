// passer-rating.exe: the calculator as a native Windows program. It shows the splash
// window and runs the message loop; the loop gives the calculator its accelerators and
// its dialog manager (Tab, Enter, Esc, access keys) once the splash has handed over.

#include "identity/product.h"
#include "platform/browser.h"
#include "platform/help.h"
#include "ui/description/clock.h"
#include "ui/win32/about_window.h"
#include "ui/win32/main_window.h"
#include "ui/win32/splash_window.h"

#include <memory>

#include <windows.h>

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/)
{
    const description::SystemClock clock;
    const auto browser = platform::createBrowser({}); // the shell tells the user itself
    const auto help = platform::createHelp();
    std::unique_ptr<win32::MainWindow> calculator;

    const auto endProgram = [] { ::PostQuitMessage(0); };
    win32::SplashCommands splashCommands;
    splashCommands.endProgram = endProgram;
    splashCommands.handOver = [&] {
        win32::MainWindowCommands commands;
        commands.exitProgram = endProgram;
        commands.showAbout = [&clock](HWND owner) { win32::showAbout(clock, owner); };
        commands.platform = {help.get(), browser.get(), platform::helpFilePath()};
        calculator = std::make_unique<win32::MainWindow>(std::move(commands));
        calculator->show();
    };
    win32::SplashWindow splash(clock, std::move(splashCommands), product::kVersionMajor, product::kVersionMinor);
    splash.show();

    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (calculator != nullptr) {
            const HWND window = calculator->window();
            if (::TranslateAcceleratorW(window, calculator->accelerators(), &message) != 0 ||
                ::IsDialogMessageW(window, &message) != FALSE) {
                continue;
            }
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
