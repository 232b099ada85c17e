#pragma once

// Pieces that the splash and About windows share: labels described by a table row, and
// the logo picture.

#include "ui/common/twips.h"

#include <QString>

class QLabel;
class QWidget;

namespace ui {

struct LabelRow {
    const char* name;
    QString text;
    TwipsRect rect;
    qreal points;
    bool bold;
    bool wrap = false;
};

// A centred label in the windows' face. Labels pass no click on to what lies below them.
QLabel* addLabel(QWidget* parent, const LabelRow& row);

// The 200 x 233 logo at its natural size, centred in a single-line border.
QLabel* addLogo(QWidget* parent, const char* name, TwipsRect rect);

} // namespace ui
