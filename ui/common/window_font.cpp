#include "ui/common/window_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace ui {

void installFontSubstitutes()
{
    if (!QFontDatabase::hasFamily(kWindowFontFamily)) {
        QFont::insertSubstitutions(kWindowFontFamily, {"Comic Neue", "Sans Serif"});
    }
}

QFont windowFont(qreal pointSize, bool bold)
{
    QFont font(kWindowFontFamily);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace ui
