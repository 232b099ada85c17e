#pragma once

// Pieces that the splash and About windows share: labels and the logo picture, built from
// their designed rows.

#include "ui/description/startup_forms.h"

#include <utility>
#include <vector>

class QLabel;
class QWidget;

namespace qt {

// A label in the windows' face with its designed text. Labels pass no click on to what
// lies below them.
QLabel* addLabel(QWidget* parent, const description::Label& row);

// The 200 x 233 logo at its natural size, centred in a single-line border.
QLabel* addLogo(QWidget* parent, const description::Part& part);

// The labels a window fills when it loads, and what each shows.
using LoadedLabels = std::vector<std::pair<description::LabelText, QLabel*>>;
void fillLoaded(const LoadedLabels& labels, int currentYear, int versionMajor, int versionMinor);

} // namespace qt
