#pragma once

// The windows as designed (ui/description), as one JSON text for the page's build: the
// calculator's controls in tab order and its menus, the splash and About windows' labels,
// the product's texts. Rectangles are in CSS pixels, 96 to the inch.

#include <string>
#include <string_view>

namespace web {

std::string describeWindows();

// The help's contents or index (a .hhc or .hhk file's text) as the help viewer reads it:
// an array of entries, each with its name, its topic ("local") and its children.
std::string describeSitemap(std::string_view html);

} // namespace web
