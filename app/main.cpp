#include "app/program.h"
#include "identity/product.h"
#include "ui/qt/common/window_font.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/passer-rating.png")));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(product::kAppId));
    qt::installFontSubstitutes();

    app::Program program;
    program.start();
    return QApplication::exec();
}
