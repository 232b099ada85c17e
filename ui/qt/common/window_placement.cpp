#include "ui/qt/common/window_placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace qt {

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen()) {
        window->setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
    }
}

} // namespace qt
