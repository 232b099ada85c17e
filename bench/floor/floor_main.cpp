// The floor for the start-up benchmark: the least Qt Widgets program that shows what the
// calculator shows at start, with no logic at all. It builds the same windows from the
// same description: a frameless splash window with the logo and its labels, then after
// the splash's time a main window with the controls and menus, none of them wired.

#include "ui/description/main_form.h"
#include "ui/description/startup_forms.h"
#include "ui/description/texts.h"

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

using description::ControlKind;

QRect pixels(const description::TwipsRect& rect)
{
    const auto at = [](int twips) { return description::pixelsAt(twips, description::kLogicalDotsPerInch); };
    return {at(rect.left), at(rect.top), at(rect.width), at(rect.height)};
}

QWidget* createControl(const description::Control& control, QWidget* parent)
{
    switch (control.kind) {
    case ControlKind::Label:
        return new QLabel(control.caption, parent);
    case ControlKind::Button:
        return new QPushButton(control.caption, parent);
    case ControlKind::Option:
        return new QRadioButton(control.caption, parent);
    case ControlKind::CountEntry:
    case ControlKind::YardsEntry:
    case ControlKind::Result:
        break;
    }
    return new QLineEdit(parent);
}

void showMainWindow()
{
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(window);
    window->setCentralWidget(client);
    for (const description::Control& control : description::kMainControls) {
        createControl(control, client)->setGeometry(pixels(control.rect));
    }
    for (const description::Menu& menu : description::kMenus) {
        QMenu* popup = window->menuBar()->addMenu(menu.caption);
        for (std::size_t i = 0; i < menu.count; ++i) {
            popup->addAction(menu.items[i].caption);
        }
    }
    const QRect area = pixels({0, 0, description::kMainClientSize.width, description::kMainClientSize.height});
    window->resize(area.width(), area.height() + window->menuBar()->sizeHint().height());
    window->show();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    auto* splash = new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->setFixedSize(
        pixels({0, 0, description::kSplashClientSize.width, description::kSplashClientSize.height}).size());
    auto* picture = new QLabel(splash);
    picture->setPixmap(QPixmap(":/images/logo.jpg"));
    picture->setGeometry(pixels(description::kSplashLogo.rect));
    for (const description::Label& label : description::kSplashLabels) {
        (new QLabel(QString::fromStdString(description::designText(label.text)), splash))
            ->setGeometry(pixels(label.rect));
    }
    splash->show();
    QTimer::singleShot(description::kSplashMilliseconds, splash, [splash] {
        showMainWindow();
        splash->close();
    });
    return QApplication::exec();
}
