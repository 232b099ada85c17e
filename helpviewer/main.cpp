// passer-rating-help: the calculator's help viewer off Windows, a program of its own so
// that whatever a help file holds can never take the calculator down. The calculator
// starts it and does not wait; when a viewer already runs, this one hands its command on.

#include "helpviewer/help_command.h"
#include "helpviewer/help_viewer.h"
#include "helpviewer/viewer_channel.h"
#include "platform/browser.h"
#include "ui/qt/common/message_presenter.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const auto command = help::commandFromArguments(arguments);
    if (!command) {
        std::fputs("usage: passer-rating-help --contents FILE TOPIC\n"
                   "       passer-rating-help --index FILE KEYWORD\n",
                   stderr);
        return 2;
    }
    // Handing on needs no window, so it comes before the connection to the display.
    int freeName = 0;
    if (help::ViewerChannel::handOver(*command, freeName)) {
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/passer-rating.png")));
    help::HelpViewer* shown = nullptr;
    const auto browser =
        platform::createBrowser([&shown](const std::string& address) { qt::showNoBrowserMessage(shown, address); });
    help::HelpViewer viewer(*browser);
    shown = &viewer;
    help::ViewerChannel channel([&viewer](const help::HelpCommand& next) { viewer.run(next); });
    // With every name held (a viewer that started at the same moment may hold the one
    // found free), the command goes to a viewer that answers now, or is shown here alone.
    if (!channel.listen(freeName) && help::ViewerChannel::handOver(*command, freeName)) {
        return 0;
    }
    viewer.run(*command);
    return QApplication::exec();
}
