#include "ui/qt/common/window_font.h"

#include <QStringList>

namespace qt {

void installFontSubstitutes()
{
    // Substitutes serve only where the face itself is missing, so they can be set without
    // asking the font database first, which would load it before the first window.
    QFont::insertSubstitutions(QString::fromLatin1(description::kWindowFontFamily),
                               {QString::fromLatin1(description::kSubstituteFontFamily), "Sans Serif"});
}

QFont windowFont(qreal pointSize, bool bold)
{
    QFont font(QString::fromLatin1(description::kWindowFontFamily));
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace qt
