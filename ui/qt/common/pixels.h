#pragma once

#include "ui/description/twips.h"

#include <QRect>
#include <QSize>

// The designed twips in Qt's device-independent pixels: 96 of them an inch, so 15 twips
// each. Every position of the layout is a multiple of 15 and lands on a whole pixel; Qt
// scales those for high-DPI screens.
namespace qt {

constexpr int pixels(int twips)
{
    return description::pixelsAt(twips, description::kLogicalDotsPerInch);
}

constexpr QRect pixels(const description::TwipsRect& rect)
{
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

constexpr QSize pixels(const description::TwipsSize& size)
{
    return {pixels(size.width), pixels(size.height)};
}

} // namespace qt
