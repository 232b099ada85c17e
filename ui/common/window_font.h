#pragma once

#include <QFont>

namespace ui {

inline constexpr char kWindowFontFamily[] = "Comic Sans MS";
inline constexpr qreal kWindowFontPointSize = 8.25;

// Where the windows' face is missing (on every Linux machine) it is drawn with Comic
// Neue, and where that is missing too with the default sans face. Call once at start.
void installFontSubstitutes();

// The windows' face at the given size; weight 700 when bold, 400 otherwise.
QFont windowFont(qreal pointSize = kWindowFontPointSize, bool bold = false);

} // namespace ui
