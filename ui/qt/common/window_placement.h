#pragma once

class QWidget;

namespace ui {

// Moves a top-level window to the centre of the screen it is on.
void centreOnScreen(QWidget* window);

} // namespace ui
