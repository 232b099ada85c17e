#include "app/program.h"

#include "identity/product.h"
#include "ui/qt/startup/about_window.h"
#include "ui/qt/startup/splash_window.h"

#include <QCoreApplication>

namespace app {
namespace {

void endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace

void Program::start()
{
    qt::SplashCommands commands;
    commands.handOver = [this] { showCalculator(); };
    commands.endProgram = endProgram;
    auto* splash = new qt::SplashWindow(m_clock, std::move(commands), product::kVersionMajor, product::kVersionMinor);
    splash->show(); // destroys itself on closing
}

void Program::showCalculator()
{
    qt::MainWindowCommands commands;
    commands.exitProgram = endProgram;
    commands.showAbout = [this](QWidget* owner) { qt::AboutWindow::showModal(m_clock, owner); };
    commands.platform = {m_help.get(), m_browser.get(), platform::helpFilePath()};
    m_calculator = std::make_unique<qt::MainWindow>(m_messages, std::move(commands));
    m_calculator->show();
}

} // namespace app
