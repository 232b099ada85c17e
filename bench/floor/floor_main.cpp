// The floor for the start-up benchmark: the least Qt Widgets program that shows what the
// calculator shows at start, with no logic at all. A frameless splash window with a
// 200 x 233 picture and four labels, then after 2000 ms a main window with the same
// controls and menus.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

void showMainWindow()
{
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(window);
    window->setCentralWidget(client);
    int top = 16;
    for (const char* caption :
         {"Pass &Completions:", "&Pass Attempts:", "Passing &Yards:", "&Touchdowns:", "&Interceptions:"}) {
        (new QLabel(caption, client))->setGeometry(8, top, 97, 17);
        (new QLineEdit(client))->setGeometry(120, top, 57, 22);
        top += 32;
    }
    (new QLineEdit(client))->setGeometry(296, 80, 65, 22);
    (new QLabel("Passer Rating:", client))->setGeometry(208, 80, 81, 17);
    int left = 24;
    for (const char* caption : {"Calculate", "Reset", "Exit"}) {
        (new QPushButton(caption, client))->setGeometry(left, 176, 89, 41);
        left += 120;
    }
    (new QRadioButton("NF&L", client))->setGeometry(208, 16, 65, 25);
    (new QRadioButton("&NCAA", client))->setGeometry(296, 16, 73, 25);
    window->menuBar()->addMenu("&File")->addAction("E&xit");
    QMenu* action = window->menuBar()->addMenu("&Action");
    action->addAction("&Calculate");
    action->addAction("&Reset");
    QMenu* help = window->menuBar()->addMenu("&Help");
    for (const char* caption : {"&Contents", "&Index", "Morvalenite Software on the &Web...", "&About..."}) {
        help->addAction(caption);
    }
    window->resize(382, 255);
    window->show();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    auto* splash = new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->setFixedSize(492, 308);
    auto* picture = new QLabel(splash);
    picture->setPixmap(QPixmap(":/images/logo.jpg"));
    picture->setGeometry(18, 20, 204, 237);
    int top = 12;
    for (const char* text :
         {"Morvalenite", "Passer Rating Calculator", "Version 1.0", "Copyright 2005 - 2026 Morvalenite"}) {
        (new QLabel(text, splash))->setGeometry(226, top, 245, 60);
        top += 70;
    }
    splash->show();
    QTimer::singleShot(2000, splash, [splash] {
        showMainWindow();
        splash->close();
    });
    return QApplication::exec();
}
