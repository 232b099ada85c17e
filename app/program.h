#pragma once

// The running program: the services the windows are given, and the calculator window
// once the splash window has handed over to it.

#include "platform/html_help.h"
#include "platform/shell.h"
#include "ui/common/message_presenter.h"
#include "ui/description/clock.h"
#include "ui/main/main_window.h"

#include <memory>

namespace app {

class Program {
  public:
    // Creates and shows the splash window, and nothing else.
    void start();

  private:
    void showCalculator();

    description::SystemClock m_clock;
    ui::MessageBoxPresenter m_messages;
    std::unique_ptr<platform::Shell> m_shell = platform::createShell();
    std::unique_ptr<platform::HtmlHelp> m_htmlHelp = platform::createHtmlHelp();
    std::unique_ptr<ui::MainWindow> m_calculator;
};

} // namespace app
