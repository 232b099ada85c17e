#pragma once

// The windows as designed (ui/description), as one JSON text for the page's build: the
// calculator's controls in tab order and its menus, the splash and About windows' labels,
// the product's texts. Rectangles are in CSS pixels, 96 to the inch.

#include <string>

namespace web {

std::string describeWindows();

} // namespace web
