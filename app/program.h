#pragma once

// The running program: the services the windows are given, and the calculator window
// once the splash window has handed over to it.

#include "platform/browser.h"
#include "platform/help.h"
#include "ui/description/clock.h"
#include "ui/qt/common/message_presenter.h"
#include "ui/qt/main/main_window.h"

#include <memory>

namespace app {

class Program {
  public:
    // Creates and shows the splash window, and nothing else.
    void start();

  private:
    void showCalculator();

    description::SystemClock m_clock;
    qt::MessageBoxPresenter m_messages;
    std::unique_ptr<platform::Browser> m_browser = platform::createBrowser(
        [this](const std::string& address) { qt::showNoBrowserMessage(m_calculator.get(), address); });
    std::unique_ptr<platform::Help> m_help = platform::createHelp();
    std::unique_ptr<qt::MainWindow> m_calculator;
};

} // namespace app
