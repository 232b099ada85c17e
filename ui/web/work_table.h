#pragma once

// How a rating was found, as the page shows it under the rating: a table of the values the
// calculation found it with, and of the formula's constants, written as lines of
// tab-separated cells. The first line is the
// table's caption, the second its column headers; in the others the first cell names the
// row. Numbers are written as the rating is, with the locale's decimal separator.

#include "engine/rating.h"

#include <string>
#include <string_view>

namespace web {

std::string workTable(const engine::Calculation& calculation, std::string_view decimalSeparator);

} // namespace web
