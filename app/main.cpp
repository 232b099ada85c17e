#include "ui/common/message_presenter.h"
#include "ui/common/window_font.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/passer-rating.png")));
    ui::installFontSubstitutes();

    ui::MessageBoxPresenter messages;
    ui::MainWindowCommands commands;
    commands.exitProgram = [] { QCoreApplication::exit(0); };
    ui::MainWindow window(messages, std::move(commands));
    window.show();
    return QApplication::exec();
}
