#pragma once

class QWidget;

namespace qt {

// Moves a top-level window to the centre of the screen it is on.
void centreOnScreen(QWidget* window);

} // namespace qt
