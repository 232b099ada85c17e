#pragma once

#include "ui/description/main_form.h"

#include <QFont>

namespace qt {

// Where the windows' face is missing (on every Linux machine) it is drawn with Comic
// Neue, and where that is missing too with the default sans face. Call once at start.
void installFontSubstitutes();

// The windows' face at the given size; weight 700 when bold, 400 otherwise.
QFont windowFont(qreal pointSize = description::kWindowFontPoints, bool bold = false);

} // namespace qt
